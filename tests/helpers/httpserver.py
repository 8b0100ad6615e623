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
    /deflate/<n>[?raw=1]
                     the same as a zlib stream (Content-Encoding: deflate),
                     or with raw=1 as bare deflate data
    /gzipcut/<n>     the gzip stream of /gzip/<n> without its last half,
                     chunked, so that only the stream itself tells
    /bomb/<m>        m MiB of zeros, gzip-compressed (about 1 KiB per MiB)
    /pace/<n>?rate=<bytes per second>
                     n bytes at that rate, a tenth of a second's worth at a
                     time: slow, but honest
    /truncated/<n>   announces n bytes, sends half of them and hangs up
    /never           reads the request and never answers (until the client
                     goes or a minute has passed)
    /trickle/<n>?every=<ms>
                     announces n bytes and sends one every ms milliseconds
    /endless[?status=<code>][&announce=1]
                     a JSON body that never ends (until the client goes, a
                     minute has passed or 4 GiB are sent), in chunked
                     encoding or, with announce=1, after a Content-Length of
                     1 TiB
    /text/<words>    the words as plain text (e.g. not JSON)
    /redirect?to=P[&status=S]
                     302 (or S) to P, a path or a whole URL
    /search/<mode>/search
                     a portal's app search that pages for ever: with mode
                     "empty", empty pages; with "one", one app a page; each
                     with nextStart one past the start asked for
    /portal/content/items/<id>[/data]
                     a portal's item: its description, and as its data a zip
                     that <id> names: "linkchain" (a/b/x -> ../.. and
                     a/b/y -> x/../../..), "badcrc" (a stored entry whose
                     CRC-32 does not match), "badsize" (a central directory
                     that states 10 bytes for a 5000-byte entry) or "good"
    /log             JSON: every request so far as {method, host, path, body}
"""

import gzip
import io
import json
import struct
import zipfile
import zlib
import select
import socket
import ssl
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


# Every answer that could run on for ever stops after this long at the latest,
# so that no test leaves a busy thread behind.
LONGEST_ANSWER_SECONDS = 60
ENDLESS_LIMIT_BYTES = 4 << 30


# Requests as /log tells them; the oldest go beyond this many.
LOGGED_REQUESTS = 10000
request_log = []
log_lock = threading.Lock()
bombs = {}


def bomb(mebibytes):
    """A gzip stream of that many MiB of zeros, made once."""
    if mebibytes not in bombs:
        compressor = zlib.compressobj(9, zlib.DEFLATED, 16 + zlib.MAX_WBITS)
        zeros = bytes(1 << 20)
        parts = [compressor.compress(zeros) for _ in range(mebibytes)]
        bombs[mebibytes] = b"".join(parts) + compressor.flush()
    return bombs[mebibytes]


def zip_of(entries):
    """A zip of (name, data, is_link) entries, all stored."""
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", zipfile.ZIP_STORED) as archive:
        for name, data, is_link in entries:
            info = zipfile.ZipInfo(name)
            info.create_system = 3
            info.external_attr = ((0o120777 if is_link else 0o100644) << 16)
            archive.writestr(info, data)
    return bytearray(buffer.getvalue())


def patch_central(archive, name, offset, value):
    """Writes a 32-bit value at offset into name's central directory header."""
    at = archive.find(b"PK\x01\x02")
    while at >= 0:
        name_length = struct.unpack_from("<H", archive, at + 28)[0]
        if bytes(archive[at + 46:at + 46 + name_length]) == name.encode():
            struct.pack_into("<I", archive, at + offset, value)
            return
        at = archive.find(b"PK\x01\x02", at + 4)


def item_archive(kind):
    content = pattern(5000)
    if kind == "linkchain":
        return bytes(zip_of([("a/b/x", b"../..", True), ("a/b/y", b"x/../../..", True),
                             ("app.txt", b"app", False)]))
    archive = zip_of([("app.txt", b"app", False), ("data.bin", content, False)])
    if kind == "badcrc":
        local = archive.rfind(b"PK\x03\x04", 0, archive.find(b"data.bin"))
        crc = (zlib.crc32(content) ^ 0xFFFFFFFF) & 0xFFFFFFFF
        struct.pack_into("<I", archive, local + 14, crc)
        patch_central(archive, "data.bin", 16, crc)
    elif kind == "badsize":
        patch_central(archive, "data.bin", 20, 10)
        patch_central(archive, "data.bin", 24, 10)
    return bytes(archive)


def pattern(size):
    return (bytes(range(251)) * (size // 251 + 1))[:size]


def query_value(url, name, default):
    return urllib.parse.parse_qs(url.query).get(name, [default])[0]


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, format, *args):  # noqa: A002 - the base class's name
        pass

    def handle_one_request(self):
        # A client that gives up in the middle of an answer is what several
        # paths are for, not a fault of the server.
        try:
            super().handle_one_request()
        except (BrokenPipeError, ConnectionResetError):
            self.close_connection = True

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

    def reply_encoded(self, data, encoding, chunked=False):
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Encoding", encoding)
        if chunked:
            self.send_header("Transfer-Encoding", "chunked")
        else:
            self.send_header("Content-Length", str(len(data)))
        self.send_header("Connection", "close")
        self.end_headers()
        self.close_connection = True
        if chunked:
            self.send_chunk(data)
            self.wfile.write(b"0\r\n\r\n")
        else:
            self.wfile.write(data)

    def start_body(self, status, content_type, length=None):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        if length is None:
            self.send_header("Transfer-Encoding", "chunked")
        else:
            self.send_header("Content-Length", str(length))
        self.send_header("Connection", "close")
        self.end_headers()
        self.close_connection = True
        self.wfile.flush()

    def send_chunk(self, data):
        self.wfile.write(b"%x\r\n%s\r\n" % (len(data), data))
        self.wfile.flush()

    def client_gone(self, seconds):
        """Waits up to seconds; true when the client closed its end meanwhile."""
        readable, _, _ = select.select([self.connection], [], [], seconds)
        try:
            return bool(readable) and not self.connection.recv(1, socket.MSG_PEEK)
        except OSError:
            return True

    def never_answer(self):
        deadline = time.monotonic() + LONGEST_ANSWER_SECONDS
        while time.monotonic() < deadline:
            if self.client_gone(0.2):
                break
        self.close_connection = True

    def trickle(self, url, size):
        every = int(query_value(url, "every", "1000")) / 1000.0
        self.start_body(200, "application/octet-stream", size)
        deadline = time.monotonic() + LONGEST_ANSWER_SECONDS
        for i in range(size):
            if time.monotonic() > deadline:
                break
            self.wfile.write(bytes([i % 251]))
            self.wfile.flush()
            if self.client_gone(every):
                break

    def endless(self, url):
        status = int(query_value(url, "status", "200"))
        announce = query_value(url, "announce", "") == "1"
        self.start_body(status, "application/json", (1 << 40) if announce else None)
        write = self.wfile.write if announce else self.send_chunk
        piece = b'"' + b"x" * 65530 + b'",'
        write(b'{"items": [')
        sent = 0
        deadline = time.monotonic() + LONGEST_ANSWER_SECONDS
        while sent < ENDLESS_LIMIT_BYTES and time.monotonic() < deadline:
            write(piece)
            sent += len(piece)

    def pace(self, url, size):
        rate = int(query_value(url, "rate", "10000"))
        self.start_body(200, "application/octet-stream", size)
        data = pattern(size)
        step = max(1, rate // 10)
        for start in range(0, size, step):
            self.wfile.write(data[start:start + step])
            self.wfile.flush()
            if self.client_gone(0.1):
                break

    def endless_search(self, url, mode):
        start = int(query_value(url, "start", "1"))
        results = []
        if mode == "one":
            results = [{"id": "%032x" % start, "title": "App %d" % start, "type": "Native Application",
                        "modified": 0, "access": "private"}]
        answer = {"total": 1 << 30, "start": start, "num": len(results), "nextStart": start + 1,
                  "results": results}
        self.reply(200, json.dumps(answer).encode("utf-8"))

    def serve(self):
        url = urllib.parse.urlsplit(self.path)
        parts = [p for p in url.path.split("/") if p]
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length else b""
        head = parts[0] if parts else ""
        if head != "log":
            with log_lock:
                request_log.append({"method": self.command, "host": self.headers.get("Host") or "",
                                    "path": self.path, "body": body.decode("utf-8", "replace")})
                del request_log[:-LOGGED_REQUESTS]

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
        elif head == "deflate" and len(parts) == 2:
            raw = query_value(url, "raw", "") == "1"
            compressor = zlib.compressobj(6, zlib.DEFLATED, -zlib.MAX_WBITS if raw else zlib.MAX_WBITS)
            data = compressor.compress(pattern(int(parts[1]))) + compressor.flush()
            self.reply_encoded(data, "deflate")
        elif head == "gzipcut" and len(parts) == 2:
            data = gzip.compress(pattern(int(parts[1])))
            self.reply_encoded(data[: len(data) // 2], "gzip", chunked=True)
        elif head == "bomb" and len(parts) == 2:
            self.reply_encoded(bomb(int(parts[1])), "gzip")
        elif head == "pace" and len(parts) == 2:
            self.pace(url, int(parts[1]))
        elif head == "search" and len(parts) == 3:
            self.endless_search(url, parts[1])
        elif head == "portal" and len(parts) in (4, 5) and parts[1:3] == ["content", "items"]:
            item = parts[3]
            if len(parts) == 5 and parts[4] == "data":
                self.reply(200, item_archive(item), "application/zip")
            else:
                self.reply(200, json.dumps({"id": item, "title": "Item " + item, "type": "Code Sample"}).encode())
        elif head == "log":
            with log_lock:
                self.reply(200, json.dumps(request_log).encode("utf-8"))
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
        elif head == "never":
            self.never_answer()
        elif head == "trickle" and len(parts) == 2:
            self.trickle(url, int(parts[1]))
        elif head == "endless":
            self.endless(url)
        elif head == "text":
            words = urllib.parse.unquote("/".join(parts[1:]))
            self.reply(200, words.encode("utf-8"), "text/plain; charset=utf-8")
        elif head == "redirect":
            target = query_value(url, "to", "/echo")
            self.send_response(int(query_value(url, "status", "302")))
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
