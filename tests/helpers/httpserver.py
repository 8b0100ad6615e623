#!/usr/bin/env python3
"""A small HTTP(S) server on 127.0.0.1 for the network request tests.

It listens on a free port, prints "PORT <number>" as its first line and serves
until its standard input closes (the test ends or dies) or it is killed.

    httpserver.py [--tls CERTIFICATE KEY]

Paths:
    /echo            any method: JSON with the method, path, query fields,
                     form fields of an url-encoded body, raw body, User-Agent
                     and Content-Type of the request
    /status/<code>   that status, with a JSON body {"error": {"code": code}}
    /bytes/<n>       n bytes of a fixed pattern (byte i is i % 251)
    /slow/<n>        the same in 16 pieces, 20 ms apart
    /gzip/<n>        the same, gzip-compressed (Content-Encoding: gzip)
    /truncated/<n>   announces n bytes, sends half of them and hangs up
    /text/<words>    the words as plain text (e.g. not JSON)
    /redirect?to=P   302 to the path P
"""

import gzip
import json
import ssl
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


def pattern(size):
    return bytes(i % 251 for i in range(size))


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, format, *args):  # noqa: A002 - the base class's name
        pass

    def do_GET(self):
        self.serve()

    def do_POST(self):
        self.serve()

    def do_PUT(self):
        self.serve()

    def do_PATCH(self):
        self.serve()

    def do_DELETE(self):
        self.serve()

    def do_HEAD(self):
        self.serve()

    def reply(self, status, body, content_type="application/json", length=None):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body) if length is None else length))
        self.send_header("Connection", "close")
        self.end_headers()
        self.close_connection = True
        if self.command != "HEAD":
            self.wfile.write(body)

    def serve(self):
        url = urllib.parse.urlsplit(self.path)
        parts = [p for p in url.path.split("/") if p]
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length else b""
        head = parts[0] if parts else ""

        if head == "echo":
            content_type = self.headers.get("Content-Type") or ""
            form = {}
            if content_type.startswith("application/x-www-form-urlencoded"):
                form = dict(urllib.parse.parse_qsl(body.decode("utf-8"), keep_blank_values=True,
                                                   strict_parsing=bool(body)))
            answer = {
                "method": self.command,
                "path": url.path,
                "query": dict(urllib.parse.parse_qsl(url.query, keep_blank_values=True)),
                "rawQuery": url.query,
                "form": form,
                "body": body.decode("utf-8", "replace"),
                "userAgent": self.headers.get("User-Agent") or "",
                "contentType": content_type,
            }
            self.reply(200, json.dumps(answer).encode("utf-8"))
        elif head == "status" and len(parts) == 2:
            code = int(parts[1])
            self.reply(code, json.dumps({"error": {"code": code}}).encode("utf-8"))
        elif head == "bytes" and len(parts) == 2:
            self.reply(200, pattern(int(parts[1])), "application/octet-stream")
        elif head == "gzip" and len(parts) == 2:
            data = gzip.compress(pattern(int(parts[1])))
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Encoding", "gzip")
            self.send_header("Content-Length", str(len(data)))
            self.send_header("Connection", "close")
            self.end_headers()
            self.close_connection = True
            self.wfile.write(data)
        elif head == "slow" and len(parts) == 2:
            data = pattern(int(parts[1]))
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Length", str(len(data)))
            self.send_header("Connection", "close")
            self.end_headers()
            self.close_connection = True
            step = max(1, len(data) // 16)
            for start in range(0, len(data), step):
                self.wfile.write(data[start:start + step])
                self.wfile.flush()
                time.sleep(0.02)
        elif head == "truncated" and len(parts) == 2:
            size = int(parts[1])
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Length", str(size))
            self.send_header("Connection", "close")
            self.end_headers()
            self.close_connection = True
            self.wfile.write(pattern(size)[: size // 2])
            self.wfile.flush()
        elif head == "text":
            words = urllib.parse.unquote("/".join(parts[1:]))
            self.reply(200, words.encode("utf-8"), "text/plain; charset=utf-8")
        elif head == "redirect":
            target = urllib.parse.parse_qs(url.query).get("to", ["/echo"])[0]
            self.send_response(302)
            self.send_header("Location", target)
            self.send_header("Content-Length", "0")
            self.send_header("Connection", "close")
            self.end_headers()
            self.close_connection = True
        else:
            self.reply(404, b'{"error": {"code": 404}}')


def main():
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    if len(sys.argv) == 4 and sys.argv[1] == "--tls":
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(sys.argv[2], sys.argv[3])
        server.socket = context.wrap_socket(server.socket, server_side=True)

    def watch_input():
        sys.stdin.read()
        server.shutdown()

    threading.Thread(target=watch_input, daemon=True).start()
    print("PORT", server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
