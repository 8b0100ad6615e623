#!/usr/bin/env python3
"""A documentation site on 127.0.0.1 for the update check tests.

    docsite.py FOLDER

Serves the files under FOLDER to GET and POST (the update check asks with a
POST), prints its base URL ("http://127.0.0.1:<port>") as the first line and
serves until its standard input closes (the test ends or dies).
"""

import functools
import http.server
import sys
import threading


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, format, *args):  # noqa: A002 - the base class's name
        pass

    def handle_one_request(self):
        # A client that goes before its answer is complete is no fault here.
        try:
            super().handle_one_request()
        except (BrokenPipeError, ConnectionResetError):
            self.close_connection = True

    def do_POST(self):
        length = int(self.headers.get("Content-Length") or 0)
        if length:
            self.rfile.read(length)
        self.do_GET()


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: docsite.py FOLDER")
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                             functools.partial(Handler, directory=sys.argv[1]))
    server.daemon_threads = True
    print("http://127.0.0.1:%d" % server.server_address[1], flush=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    sys.stdin.read()
    server.shutdown()


if __name__ == "__main__":
    main()
