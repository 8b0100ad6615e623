#!/usr/bin/env python3
"""A small portal on this machine: OAuth sign-in, users and content items.

It speaks the portal's REST interface over HTTP (or HTTPS with --tls) on
127.0.0.1, keeps everything in memory and is meant for the tests and for
trying the tools by hand without reaching any online service. See README.md
beside this file for the paths and the test controls under /__control/.

The first line on standard output is the portal's base URL; it stops by
itself when the process that started it goes, and on SIGTERM or SIGINT.
"""

import argparse
import base64
import html
import http
import io
import json
import mimetypes
import os
import secrets
import select
import shutil
import signal
import ssl
import struct
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse
import zipfile
import zlib
from collections import deque
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

REST = "/sharing/rest"
CONTROL = "/__control"
OUT_OF_BAND = "urn:ietf:wg:oauth:2.0:oob"
CODE_LIFETIME_SECONDS = 300
LONGEST_REFRESH_SECONDS = 14 * 24 * 3600
LOG_LENGTH = 2000
# Bodies are form fields and JSON: far below this.
LONGEST_BODY = 16 << 20
# Seconds of silence after which a connection is closed: far longer than a
# client at work pauses.
DEFAULT_CONNECTION_TIMEOUT = 30
LONGEST_CONNECTION_TIMEOUT = 24 * 3600
# Qt's network layer sends a request once more, unseen by its caller, when
# the connection closes before any byte of an answer; a transport failure
# drops that resend too, so the caller does see the failure. Clients that do
# not resend (browsers, curl) ask for "resends": 0.
TRANSPORT_RESENDS = 1
EXTRA_REASONS = {498: "Invalid Token", 499: "Token Required"}


def now_ms():
    return int(time.time() * 1000)


def new_id():
    return secrets.token_hex(16)


# --- pictures and archives, from the standard library alone -----------------

def png(width, height, pixel):
    """A PNG of width x height RGB pixels; pixel(x, y) gives (r, g, b)."""
    rows = bytearray()
    for y in range(height):
        rows.append(0)
        for x in range(width):
            rows.extend(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(rows), 9))
            + chunk(b"IEND", b""))


def colour_of(text):
    digest = zlib.crc32(text.encode("utf-8"))
    return (64 + digest % 160, 64 + (digest >> 8) % 160, 64 + (digest >> 16) % 160)


def thumbnail_png(seed, width=200, height=133):
    """A diagonal two-tone band picture whose colours follow seed."""
    red, green, blue = colour_of(seed)
    light = (min(255, red + 60), min(255, green + 60), min(255, blue + 60))
    dark = (red, green, blue)
    return png(width, height, lambda x, y: light if ((x + y) // 24) % 2 else dark)


def zip_bytes(files):
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, data in files.items():
            archive.writestr(name, data)
    return buffer.getvalue()


# --- the search language: field:value terms with AND, OR, NOT, parentheses ---

def tokenize(query):
    tokens, i = [], 0
    while i < len(query):
        c = query[i]
        if c.isspace():
            i += 1
        elif c in "()":
            tokens.append(c)
            i += 1
        else:
            word = ""
            while i < len(query) and not query[i].isspace() and query[i] not in "()":
                if query[i] == '"':
                    end = query.find('"', i + 1)
                    end = len(query) if end < 0 else end
                    word += '"' + query[i + 1:end] + '"'
                    i = end + 1
                else:
                    word += query[i]
                    i += 1
            tokens.append(word)
    return tokens


class QueryParser:
    """Parses a query into a predicate on (item, owner record)."""

    def __init__(self, query):
        self.tokens = tokenize(query)
        self.at = 0

    def parse(self):
        if not self.tokens:
            return lambda item, owner: True
        predicate = self.parse_or()
        if self.at != len(self.tokens):
            raise ValueError("unexpected %r" % self.tokens[self.at])
        return predicate

    def peek(self):
        return self.tokens[self.at] if self.at < len(self.tokens) else None

    def take(self):
        token = self.peek()
        if token is None:
            raise ValueError("query ends too early")
        self.at += 1
        return token

    def parse_or(self):
        parts = [self.parse_and()]
        while self.peek() == "OR":
            self.take()
            parts.append(self.parse_and())
        return parts[0] if len(parts) == 1 else (lambda i, o: any(p(i, o) for p in parts))

    def parse_and(self):
        parts = [self.parse_not()]
        while self.peek() not in (None, "OR", ")"):
            if self.peek() == "AND":
                self.take()
            parts.append(self.parse_not())
        return parts[0] if len(parts) == 1 else (lambda i, o: all(p(i, o) for p in parts))

    def parse_not(self):
        if self.peek() == "NOT":
            self.take()
            inner = self.parse_not()
            return lambda i, o: not inner(i, o)
        return self.parse_primary()

    def parse_primary(self):
        token = self.take()
        if token == "(":
            inner = self.parse_or()
            if self.take() != ")":
                raise ValueError("missing )")
            return inner
        if token == ")":
            raise ValueError("unexpected )")
        return term(token)


def unquote(text):
    return text[1:-1] if len(text) >= 2 and text.startswith('"') and text.endswith('"') else text


def term(token):
    field, colon, value = token.partition(":")
    if not colon or '"' in field:
        field, value = "", token
    field = field.lower()
    exact = value.startswith('"')
    value = unquote(value).lower()

    def text_matches(text):
        text = str(text or "").lower()
        return text == value if exact else value in text

    def matches(item, owner):
        if field in ("type", "access", "owner", "id"):
            return str(item.get(field) or "").lower() == value
        if field in ("tags", "typekeywords"):
            values = item.get("tags" if field == "tags" else "typeKeywords") or []
            return any(str(v).lower() == value for v in values)
        if field == "group":
            return value in (g.lower() for g in item.get("groups", []))
        if field == "orgid":
            return str((owner or {}).get("orgId") or "").lower() == value
        if field in ("title", "description", "snippet", "name"):
            return text_matches(item.get(field))
        if field:
            return False
        return any(text_matches(item.get(f)) for f in ("title", "description", "snippet")) or any(
            str(t).lower() == value for t in item.get("tags", []))

    return matches


# --- the portal's state ------------------------------------------------------

ITEM_LISTS = ("tags", "typeKeywords")
ITEM_TEXTS = ("title", "type", "description", "snippet", "accessInformation", "licenseInfo", "url", "name",
              "culture", "properties", "extent", "spatialReference", "categories")


class Portal:
    def __init__(self, options):
        self.lock = threading.RLock()
        self.config = {
            "expires_in": options.expires_in,
            "refresh_token_mode": options.refresh_token_mode,
            "error_form": options.error_form,
            "portal_name": options.portal_name,
            "is_portal": options.is_portal,
            "current_version": "12.0",
            "client_ids": list(options.client_id or []),
        }
        self.users = {}
        self.items = {}
        self.item_data = {}
        # Data given whole (base64 "data" of an added item), served as it is.
        self.raw_data = {}
        self.codes = {}
        self.access_tokens = {}
        self.refresh_tokens = {}
        self.failures = []
        self.log = deque(maxlen=LOG_LENGTH)
        self.base_url = ""
        self.certificate = ""
        if not options.no_demo:
            self.seed_demo()

    # Users and items

    def add_user(self, fields):
        name = str(fields.get("username") or "").strip()
        if not name:
            raise ValueError("a user needs a username")
        full = str(fields.get("fullName") or name)
        user = {
            "username": name,
            "fullName": full,
            "firstName": fields.get("firstName") or full.split(" ")[0],
            "lastName": fields.get("lastName") or (full.split(" ", 1) + [""])[1],
            "email": fields.get("email") or name + "@example.com",
            "orgId": fields.get("orgId") or "LocalPortalOrg",
            "role": fields.get("role") or "org_user",
            "description": fields.get("description") or "",
            "groups": list(fields.get("groups") or []),
            "thumbnail": fields.get("thumbnail", name + ".png"),
            "created": now_ms(),
            "modified": now_ms(),
            "access": "org",
        }
        with self.lock:
            self.users[name] = user
        return user

    def add_item(self, owner, fields, folder=None):
        item_id = str(fields.get("id") or new_id())
        item = {"id": item_id, "owner": owner, "created": now_ms(), "access": "private", "ownerFolder": folder,
                "numViews": 0, "groups": [], "thumbnail": "thumbnail/thumbnail.png"}
        files = fields.get("files") if isinstance(fields.get("files"), dict) else {}
        raw = base64.b64decode(fields["data"], validate=True) if isinstance(fields.get("data"), str) else None
        with self.lock:
            self.item_data[item_id] = {name: str(data).encode("utf-8") for name, data in files.items()}
            if raw is not None:
                self.raw_data[item_id] = raw
            self.apply_fields(item, fields)
            item.setdefault("title", "Untitled")
            item.setdefault("type", "Code Sample")
            item.setdefault("name", item["title"])
            self.items[item_id] = item
        return item

    def apply_fields(self, item, fields):
        for name in ITEM_TEXTS:
            if name in fields:
                item[name] = fields[name]
        for name in ITEM_LISTS:
            if name in fields:
                value = fields[name]
                if isinstance(value, str):
                    value = [part.strip() for part in value.split(",") if part.strip()]
                item[name] = list(value)
        if "access" in fields and fields["access"] in ("private", "shared", "org", "public"):
            item["access"] = fields["access"]
        if "groups" in fields and isinstance(fields["groups"], list):
            item["groups"] = list(fields["groups"])
        if "text" in fields:
            item["size"] = len(str(fields["text"]).encode("utf-8"))
            self.item_data.setdefault(item["id"], {})["text.txt"] = str(fields["text"]).encode("utf-8")
        item["modified"] = now_ms()

    def item_zip(self, item):
        if item["id"] in self.raw_data:
            return self.raw_data[item["id"]]
        files = {"item.json": json.dumps(public_item(item), indent=2)}
        files.update(self.item_data.get(item["id"], {}))
        return zip_bytes(files)

    def visible(self, item, user):
        if item["access"] == "public":
            return True
        if user is None:
            return False
        if user["username"] == item["owner"]:
            return True
        owner = self.users.get(item["owner"]) or {}
        if item["access"] == "org":
            return owner.get("orgId") == user.get("orgId")
        if item["access"] == "shared":
            return bool(set(item.get("groups", [])) & set(user.get("groups", [])))
        return False

    def seed_demo(self):
        self.add_user({"username": "demo", "fullName": "Dana Demo", "orgId": "LocalPortalOrg",
                       "role": "org_admin", "groups": ["localapps"],
                       "description": "The demo account of the local portal."})
        self.add_user({"username": "colleague", "fullName": "Cole League", "orgId": "LocalPortalOrg",
                       "groups": ["localapps"]})
        apps = [
            ("demo", "Field Notes", "private", "Take notes with photos and places."),
            ("demo", "Trail Counter", "org", "Count visitors on trails and share the tally."),
            ("demo", "Harbour Tides", "public", "Tide tables for the harbour, offline."),
            ("colleague", "Survey Starter", "shared", "A starting point for survey apps."),
        ]
        for owner, title, access, snippet in apps:
            name = title.replace(" ", "")
            appinfo = {"title": title, "version": "1.0.0", "mainFile": name + ".qml"}
            qml = ('import QtQuick 2.15\n\nRectangle {\n    width: 400\n    height: 640\n\n'
                   '    Text {\n        anchors.centerIn: parent\n        text: "%s"\n    }\n}\n' % title)
            self.add_item(owner, {
                "title": title, "type": "Native Application", "snippet": snippet, "description": snippet,
                "tags": ["app", "qml", "demo"], "typeKeywords": ["QML", "Ready To Use"], "access": access,
                "groups": ["localapps"] if access == "shared" else [],
                "files": {name + "/appinfo.json": json.dumps(appinfo, indent=2), name + "/" + name + ".qml": qml},
            })

    # Tokens

    def issue_code(self, client_id, redirect_uri, username, expiration):
        code = secrets.token_urlsafe(24)
        with self.lock:
            self.codes[code] = {"client_id": client_id, "redirect_uri": redirect_uri, "username": username,
                                "expires": time.time() + CODE_LIFETIME_SECONDS, "expiration": expiration}
        return code

    def issue_tokens(self, client_id, username, refresh_seconds, with_refresh):
        access = secrets.token_urlsafe(32)
        expires_in = int(self.config["expires_in"])
        with self.lock:
            self.access_tokens[access] = {"username": username, "client_id": client_id,
                                          "expires": time.time() + expires_in}
        answer = {"access_token": access, "expires_in": expires_in, "username": username, "ssl": False}
        if with_refresh:
            refresh = secrets.token_urlsafe(32)
            with self.lock:
                self.refresh_tokens[refresh] = {"username": username, "client_id": client_id,
                                                "expires": time.time() + refresh_seconds,
                                                "seconds": refresh_seconds}
            answer["refresh_token"] = refresh
            answer["refresh_token_expires_in"] = refresh_seconds
        return answer

    def user_of_token(self, token):
        """(user, None) for a valid token, (None, error) otherwise."""
        with self.lock:
            record = self.access_tokens.get(token)
            if record is None or record["expires"] <= time.time():
                return None, (498, "Invalid token.")
            user = self.users.get(record["username"])
        if user is None:
            return None, (498, "Invalid token.")
        return user, None


# --- HTTP --------------------------------------------------------------------

def public_item(item):
    return {k: v for k, v in item.items() if k != "groups"}


def user_view(user, full):
    view = {k: user[k] for k in ("username", "fullName", "firstName", "lastName", "thumbnail", "description",
                                 "created", "modified", "orgId")}
    if full:
        view.update({k: user[k] for k in ("email", "role", "access")})
        view["groups"] = [{"id": g, "title": g} for g in user["groups"]]
    return view


PAGE_STYLE = """
body { margin: 0; font: 15px/1.5 system-ui, -apple-system, "Segoe UI", sans-serif; color: #1f2933;
       background: linear-gradient(160deg, #e8eef5, #f7f9fb); min-height: 100vh; display: flex;
       align-items: center; justify-content: center; }
.card { background: #fff; width: 420px; max-width: calc(100vw - 32px); border-radius: 12px; padding: 28px 32px;
        box-shadow: 0 10px 30px rgba(31, 41, 51, .12); }
h1 { font-size: 20px; margin: 0 0 4px; }
.portal { color: #52606d; font-size: 13px; margin-bottom: 20px; }
.app { background: #f0f4f8; border-radius: 8px; padding: 12px 14px; margin: 16px 0; }
.app b { display: block; font-size: 16px; }
.app code { color: #52606d; font-size: 12px; }
label { display: block; font-size: 13px; color: #52606d; margin-bottom: 4px; }
select { width: 100%; padding: 8px; border: 1px solid #cbd2d9; border-radius: 6px; font: inherit; }
.buttons { display: flex; gap: 12px; justify-content: flex-end; margin-top: 24px; }
button { font: inherit; padding: 9px 22px; border-radius: 6px; border: 1px solid #cbd2d9; cursor: pointer;
         background: #fff; color: #1f2933; }
button.allow { background: #2f6fdd; border-color: #2f6fdd; color: #fff; }
button:hover { filter: brightness(0.95); }
.code { font-family: monospace; background: #f0f4f8; padding: 8px; border-radius: 6px; word-break: break-all; }
.error { color: #b42318; }
"""


def page(title, body, lang="en"):
    return ("<!DOCTYPE html>\n<html lang=\"%s\"><head><meta charset=\"utf-8\">"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
            "<title>%s</title><style>%s</style></head><body><div class=\"card\">%s</div></body></html>\n"
            % (html.escape(lang), html.escape(title), PAGE_STYLE, body)).encode("utf-8")


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "LocalPortal/1.0"
    # Each answer leaves in one piece when the request is done: headers and
    # body written apart would wait for the client's delayed acknowledgement.
    wbufsize = 1 << 16
    disable_nagle_algorithm = True

    @property
    def portal(self):
        return self.server.portal

    @property
    def timeout(self):
        """Seconds that the connection may stay silent, whether the portal
        waits for a request, for the rest of its body or for the client to
        take the answer; then the connection is closed without one. A client
        that announces a body and never sends it would hold its thread for
        good otherwise."""
        return self.server.connection_timeout

    def log_message(self, format, *args):  # noqa: A002 - the base class's name
        pass

    def handle_one_request(self):
        try:
            super().handle_one_request()
        except (BrokenPipeError, ConnectionResetError):
            self.close_connection = True

    def do_GET(self):
        self.serve()

    def do_POST(self):
        self.serve()

    def do_HEAD(self):
        self.serve()

    # Answers

    def send_body(self, status, body, content_type, reason=None):
        self.send_response(status, reason or EXTRA_REASONS.get(status))
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        if self.command != "HEAD":
            self.write_body(body)
        self.answered = self.cut["mode"] if self.cut else status

    def send_json(self, value, status=200):
        indent = 2 if self.param("f") == "pjson" else None
        self.send_body(status, json.dumps(value, indent=indent).encode("utf-8"), "application/json; charset=utf-8")

    def send_error_answer(self, code, message, details=None, oauth_error=None, form=None):
        """The portal's error form: HTTP 200 with an "error" member, or the
        code as the HTTP status with the same body."""
        error = {"code": code, "message": message, "details": details or []}
        if oauth_error:
            error.update({"error": oauth_error, "error_description": message})
        form = form or self.portal.config["error_form"]
        status = code if form == "status" and 400 <= code <= 599 else 200
        self.send_json({"error": error}, status)

    def write_body(self, body):
        """The body, or with a pending "truncate" or "stall" failure half of
        it; "stall" then holds the connection open until the client goes or
        the failure's seconds have passed, "truncate" hangs up at once."""
        if not self.cut:
            self.wfile.write(body)
            return
        half = len(body) // 2
        if self.cut["mode"] == "truncate":
            self.wfile.write(body[:half])
            self.wfile.flush()
        else:
            # In two pieces apart, as a slow line delivers it: clients tell
            # their progress only on news after their first moments.
            self.wfile.write(body[:half // 2])
            self.wfile.flush()
            time.sleep(0.25)
            self.wfile.write(body[half // 2:half])
            self.wfile.flush()
            deadline = time.time() + self.cut["seconds"]
            while time.time() < deadline:
                readable, _, _ = select.select([self.connection], [], [], 0.1)
                if readable:
                    break
        self.close_connection = True

    def fail_transport(self):
        # No byte of an answer: the client sees its connection end.
        self.close_connection = True
        self.answered = "transport"

    # Request parsing

    def read_request(self):
        url = urllib.parse.urlsplit(self.path)
        self.route = urllib.parse.unquote(url.path)
        self.query = {k: v[-1] for k, v in urllib.parse.parse_qs(url.query, keep_blank_values=True).items()}
        length = int(self.headers.get("Content-Length") or 0)
        if length > LONGEST_BODY:
            raise ValueError("request body of %d bytes" % length)
        self.body = self.rfile.read(length) if length > 0 else b""
        self.form = {}
        self.json_body = None
        content_type = (self.headers.get("Content-Type") or "").split(";")[0].strip().lower()
        if content_type == "application/x-www-form-urlencoded":
            parsed = urllib.parse.parse_qs(self.body.decode("utf-8", "replace"), keep_blank_values=True)
            self.form = {k: v[-1] for k, v in parsed.items()}
        elif content_type == "application/json" and self.body:
            try:
                self.json_body = json.loads(self.body.decode("utf-8"))
            except ValueError:
                self.json_body = None

    def param(self, name, default=None):
        if name in self.form:
            return self.form[name]
        return self.query.get(name, default)

    def token(self):
        token = self.param("token")
        if not token:
            authorization = self.headers.get("Authorization") or ""
            if authorization.lower().startswith("bearer "):
                token = authorization[7:].strip()
        return token or None

    def caller(self, required):
        """The signed-in user or None; False after an error answer was sent."""
        token = self.token()
        if not token:
            if required:
                self.send_error_answer(499, "Token Required")
                return False
            return None
        user, error = self.portal.user_of_token(token)
        if error:
            self.send_error_answer(*error)
            return False
        return user

    # Dispatch

    def serve(self):
        self.answered = None
        self.cut = None
        try:
            self.read_request()
        except ValueError as error:
            self.close_connection = True
            self.send_body(413 if "body" in str(error) else 400, b"", "text/plain")
            return
        entry = {"time": now_ms(), "method": self.command, "path": self.route, "query": self.query,
                 "form": self.form, "userAgent": self.headers.get("User-Agent") or "",
                 "contentType": self.headers.get("Content-Type") or ""}
        try:
            if self.route == CONTROL or self.route.startswith(CONTROL + "/"):
                self.control()
                return
            self.portal.log.append(entry)
            if self.injected_failure():
                return
            self.dispatch()
        except Exception as error:  # noqa: BLE001 - any fault answers 500, the server goes on
            print("localportal: %s %s: %r" % (self.command, self.route, error), file=sys.stderr, flush=True)
            if self.answered is None:
                self.send_error_answer(500, "Internal error: %s" % error, form="status")
        finally:
            entry["status"] = self.answered

    def injected_failure(self):
        with self.portal.lock:
            for failure in self.portal.failures:
                if failure["path"] and not self.route.startswith(failure["path"]):
                    continue
                if failure["method"] and failure["method"] != self.command:
                    continue
                failure["count"] -= 1
                if failure["count"] <= 0:
                    self.portal.failures.remove(failure)
                break
            else:
                return False
        if failure["mode"] in ("truncate", "stall"):
            # The answer goes out as usual, and its body is cut (write_body).
            self.cut = failure
            return False
        if failure["mode"] == "transport":
            self.fail_transport()
            if failure.get("resends", 0) > 0:
                # The network layer's own resends of this request fail too.
                with self.portal.lock:
                    self.portal.failures.insert(0, dict(failure, count=failure["resends"], resends=0,
                                                        path=self.route, method=self.command))
        else:
            self.send_error_answer(int(failure["code"]), failure["message"], form=failure["mode"])
        return True

    def dispatch(self):
        route = self.route.rstrip("/") or "/"
        if route in ("/", "/home", "/home/index.html"):
            return self.home()
        if route == "/home/item.html":
            return self.item_page()
        if route == REST + "/oauth2/authorize":
            return self.authorize()
        if route == REST + "/oauth2/token":
            return self.token_endpoint()
        if route in (REST, REST + "/info"):
            return self.send_json({"owningSystemUrl": self.portal.base_url, "authInfo": {"isTokenBasedSecurity": True}})
        if route == REST + "/portals/self":
            return self.portal_self()
        if route == REST + "/search":
            return self.search()
        parts = route[len(REST) + 1:].split("/") if route.startswith(REST + "/") else []
        if parts[:2] == ["community", "users"] and len(parts) >= 3:
            return self.community_user(parts[2], parts[3:])
        if parts[:2] == ["content", "users"] and len(parts) >= 3:
            return self.user_content(parts[2], parts[3:])
        if parts[:2] == ["content", "items"] and len(parts) >= 3:
            return self.content_item(parts[2], parts[3:])
        if self.server.site_folder:
            site_file = self.site_file()
            if site_file:
                return self.send_site_file(site_file)
            # As a web site answers for a page it does not have.
            return self.send_body(404, b"Not Found", "text/plain; charset=utf-8")
        self.send_error_answer(400, "Unable to process request: no such resource", form="status")

    # The --site folder: a documentation site beside the portal (the version
    # list of the update check, the download page), for demos without internet.

    def site_file(self):
        """The file of the --site folder at the request's path, or None. A
        folder stands for its index.html. Only a file whose real path, with
        every link followed, lies in the folder is served: a link in the
        folder must not hand out a file from elsewhere."""
        folder = self.server.site_folder
        if "\0" in self.route:
            return None
        path = os.path.realpath(os.path.join(folder, self.route.lstrip("/")))
        if os.path.isdir(path):
            path = os.path.realpath(os.path.join(path, "index.html"))
        if os.path.commonpath([folder, path]) != folder:
            return None
        return path if os.path.isfile(path) else None

    def send_site_file(self, path):
        with open(path, "rb") as file:
            body = file.read()
        content_type = mimetypes.guess_type(path)[0] or "application/octet-stream"
        if content_type.startswith("text/") or content_type == "application/json":
            content_type += "; charset=utf-8"
        self.send_body(200, body, content_type)

    # Pages for people

    def home(self):
        portal = self.portal
        client = "localportal-demo"
        sign_in = "%s%s/oauth2/authorize/?client_id=%s&response_type=code&expiration=-1&redirect_uri=%s" % (
            portal.base_url, REST, client, urllib.parse.quote(OUT_OF_BAND))
        body = ("<h1>%s</h1><div class=\"portal\">A portal on this machine, for tests and demos.</div>"
                "<p>Users: %s</p><p>Items: %d</p><p><a href=\"%s\">Try the sign-in page</a></p>"
                % (html.escape(portal.config["portal_name"]),
                   html.escape(", ".join(sorted(portal.users))), len(portal.items), html.escape(sign_in)))
        self.send_body(200, page(portal.config["portal_name"], body), "text/html; charset=utf-8")

    def item_page(self):
        item = self.portal.items.get(self.param("id") or "")
        if item is None:
            self.send_body(404, page("Item not found", "<h1>Item not found</h1>"), "text/html; charset=utf-8")
            return
        body = "<h1>%s</h1><div class=\"portal\">%s &middot; %s</div><p>%s</p>" % (
            html.escape(item["title"]), html.escape(item["type"]), html.escape(item["owner"]),
            html.escape(item.get("description") or ""))
        self.send_body(200, page(item["title"], body), "text/html; charset=utf-8")

    def authorize(self):
        portal = self.portal
        client_id = self.param("client_id") or ""
        redirect_uri = self.param("redirect_uri") or OUT_OF_BAND
        lang = self.param("locale") or "en"
        problem = None
        if not client_id:
            problem = "The request names no application (client_id)."
        elif portal.config["client_ids"] and client_id not in portal.config["client_ids"]:
            problem = "The application %s is not registered with this portal." % client_id
        elif redirect_uri != OUT_OF_BAND:
            problem = "Only the out-of-band redirect (%s) is served here." % OUT_OF_BAND
        elif (self.param("response_type") or "code") != "code":
            problem = "Only the response type \"code\" is served here."
        if problem:
            body = "<h1>Cannot sign in</h1><p class=\"error\">%s</p>" % html.escape(problem)
            self.send_body(400, page("Error error=invalid_request", body, lang), "text/html; charset=utf-8")
            return

        if self.command == "POST":
            if self.param("action") != "allow":
                body = ("<h1>Access denied</h1><p>You did not let the application sign in. "
                        "You may close this window.</p>")
                self.send_body(200, page("Denied error=access_denied", body, lang), "text/html; charset=utf-8")
                return
            username = self.param("username") or "demo"
            if username not in portal.users:
                body = "<h1>Cannot sign in</h1><p class=\"error\">No such user.</p>"
                self.send_body(400, page("Error error=invalid_user", body, lang), "text/html; charset=utf-8")
                return
            code = portal.issue_code(client_id, redirect_uri, username, self.param("expiration") or "-1")
            body = ("<h1>Signed in</h1><p>Signed in as <b>%s</b>. The application takes it from here; you may "
                    "close this window.</p><div class=\"code\">%s</div>" % (html.escape(username), html.escape(code)))
            self.send_body(200, page("SUCCESS code=" + code, body, lang), "text/html; charset=utf-8")
            return

        hidden = "".join("<input type=\"hidden\" name=\"%s\" value=\"%s\">" % (html.escape(k), html.escape(v))
                         for k, v in (("client_id", client_id), ("redirect_uri", redirect_uri),
                                      ("response_type", "code"), ("expiration", self.param("expiration") or "-1"),
                                      ("locale", lang)))
        options = "".join("<option value=\"%s\">%s (%s)</option>"
                          % (html.escape(name), html.escape(user["fullName"]), html.escape(name))
                          for name, user in sorted(portal.users.items(), key=lambda kv: kv[0] != "demo"))
        body = ("<h1>Sign in</h1><div class=\"portal\">%s</div>"
                "<form method=\"post\">%s"
                "<div class=\"app\"><b>An application wants to use your account</b><code>%s</code></div>"
                "<label for=\"username\">Sign in as</label><select id=\"username\" name=\"username\">%s</select>"
                "<div class=\"buttons\">"
                "<button type=\"submit\" id=\"cancel\" name=\"action\" value=\"cancel\">Cancel</button>"
                "<button type=\"submit\" id=\"allow\" name=\"action\" value=\"allow\" class=\"allow\">Allow</button>"
                "</div></form>" % (html.escape(portal.config["portal_name"]), hidden, html.escape(client_id), options))
        self.send_body(200, page("Sign in - " + portal.config["portal_name"], body, lang), "text/html; charset=utf-8")

    # OAuth token

    def token_endpoint(self):
        portal = self.portal

        def refuse(message, kind="invalid_request"):
            self.send_error_answer(400, message, oauth_error=kind)

        if self.command != "POST":
            return refuse("Token requests are taken only as POST, with the fields in the body.")
        if any(name in self.query for name in ("code", "refresh_token", "client_secret")):
            return refuse("Codes and refresh tokens are taken only from the request body, never from the URL.")
        grant = self.form.get("grant_type")
        client_id = self.form.get("client_id") or ""
        if not client_id:
            return refuse("client_id is missing.")
        if grant == "authorization_code":
            code = self.form.get("code") or ""
            with portal.lock:
                record = portal.codes.pop(code, None)
            if record is None or record["expires"] <= time.time():
                return refuse("Invalid authorization code.", "invalid_grant")
            if record["client_id"] != client_id:
                return refuse("The code was issued to another application.", "invalid_grant")
            if (self.form.get("redirect_uri") or OUT_OF_BAND) != record["redirect_uri"]:
                return refuse("redirect_uri does not match the one of the code.", "invalid_grant")
            minutes = int(record["expiration"]) if str(record["expiration"]).lstrip("-").isdigit() else -1
            seconds = LONGEST_REFRESH_SECONDS if minutes <= 0 else min(minutes * 60, LONGEST_REFRESH_SECONDS)
            return self.send_json(portal.issue_tokens(client_id, record["username"], seconds, True))
        if grant == "refresh_token":
            refresh = self.form.get("refresh_token") or ""
            mode = portal.config["refresh_token_mode"]
            with portal.lock:
                record = portal.refresh_tokens.get(refresh)
                if record is None or record["expires"] <= time.time() or record["client_id"] != client_id:
                    record = None
                elif mode == "rotate":
                    del portal.refresh_tokens[refresh]
            if record is None:
                return refuse("Invalid refresh_token.", "invalid_grant")
            answer = portal.issue_tokens(client_id, record["username"], record["seconds"], mode != "keep")
            return self.send_json(answer)
        return refuse("Unsupported grant_type %r." % grant, "unsupported_grant_type")

    # Portal and users

    def portal_self(self):
        user = self.caller(required=False)
        if user is False:
            return
        config = self.portal.config
        host = urllib.parse.urlsplit(self.portal.base_url).netloc
        answer = {"id": "LocalPortalOrg", "name": config["portal_name"], "portalName": config["portal_name"],
                  "isPortal": config["is_portal"], "currentVersion": config["current_version"],
                  "portalHostname": host, "urlKey": "local", "culture": "en", "region": "WO",
                  "allSSL": self.portal.base_url.startswith("https:"), "thumbnail": None}
        if user:
            answer["user"] = user_view(user, True)
        self.send_json(answer)

    def community_user(self, name, rest):
        caller = self.caller(required=False)
        if caller is False:
            return
        user = self.portal.users.get(name)
        if user is None:
            return self.send_error_answer(400, "User not found", ["The user %s does not exist." % name])
        if rest[:1] == ["info"] and len(rest) >= 2:
            if "/".join(rest[1:]) != user.get("thumbnail"):
                return self.send_error_answer(404, "Not found", form="status")
            return self.send_body(200, thumbnail_png("user:" + name, 150, 150), "image/png")
        if rest:
            return self.send_error_answer(400, "Unable to process request: no such resource", form="status")
        full = caller is not None and caller.get("orgId") == user.get("orgId")
        self.send_json(user_view(user, full))

    # Content

    def user_content(self, owner, rest):
        portal = self.portal
        caller = self.caller(required=True)
        if caller is False:
            return
        if owner not in portal.users:
            return self.send_error_answer(400, "User not found", ["The user %s does not exist." % owner])
        if caller["username"] != owner:
            return self.send_error_answer(
                403, "You do not have permissions to access this resource or perform this operation.")
        folder = None
        # /<folder>/... unless the segment is one of the calls or an item of the user.
        if rest and rest[0] not in ("addItem", "items") and rest[0] not in portal.items:
            folder, rest = rest[0], rest[1:]
        if not rest:
            with portal.lock:
                items = [public_item(i) for i in portal.items.values()
                         if i["owner"] == owner and (folder is None or i["ownerFolder"] == folder)]
            return self.send_json({"username": owner, "currentFolder": folder, "items": items, "total": len(items)})
        if rest == ["addItem"]:
            if self.command != "POST":
                return self.send_error_answer(405, "addItem takes POST only", form="status")
            fields = dict(self.form)
            fields.pop("id", None)
            item = portal.add_item(owner, fields, folder)
            return self.send_json({"success": True, "id": item["id"], "folder": folder})
        if rest[0] == "items" and len(rest) in (2, 3):
            item = portal.items.get(rest[1])
            if item is None or item["owner"] != owner:
                return self.send_error_answer(400, "Item does not exist or is inaccessible.", [rest[1]])
            if len(rest) == 2:
                return self.send_json({"item": public_item(item),
                                       "sharing": {"access": item["access"], "groups": item["groups"]}})
            if self.command != "POST":
                return self.send_error_answer(405, "%s takes POST only" % rest[2], form="status")
            if rest[2] == "update":
                with portal.lock:
                    portal.apply_fields(item, self.form)
                return self.send_json({"success": True, "id": item["id"]})
            if rest[2] == "delete":
                with portal.lock:
                    portal.items.pop(item["id"], None)
                    portal.item_data.pop(item["id"], None)
                return self.send_json({"success": True, "itemId": item["id"]})
        if len(rest) == 1:
            item = portal.items.get(rest[0])
            if item is None or item["owner"] != owner:
                return self.send_error_answer(400, "Item does not exist or is inaccessible.", [rest[0]])
            return self.send_json({"item": public_item(item),
                                   "sharing": {"access": item["access"], "groups": item["groups"]}})
        self.send_error_answer(400, "Unable to process request: no such resource", form="status")

    def content_item(self, item_id, rest):
        portal = self.portal
        caller = self.caller(required=False)
        if caller is False:
            return
        item = portal.items.get(item_id)
        if item is None or not portal.visible(item, caller):
            if item is not None and caller is None:
                return self.send_error_answer(499, "Token Required")
            return self.send_error_answer(400, "Item does not exist or is inaccessible.", [item_id])
        if not rest:
            with portal.lock:
                item["numViews"] += 1
            return self.send_json(public_item(item))
        if rest == ["data"]:
            data = portal.item_zip(item)
            self.send_response(200)
            self.send_header("Content-Type", "application/zip")
            self.send_header("Content-Disposition", "attachment; filename=\"%s.zip\"" % item["id"])
            self.send_header("Content-Length", str(len(data)))
            self.end_headers()
            if self.command != "HEAD":
                self.write_body(data)
            self.answered = self.cut["mode"] if self.cut else 200
            return
        if rest[0] == "info" and len(rest) >= 2:
            if "/".join(rest[1:]) != item.get("thumbnail"):
                return self.send_error_answer(404, "Not found", form="status")
            return self.send_body(200, thumbnail_png(item["title"] + item["id"]), "image/png")
        self.send_error_answer(400, "Unable to process request: no such resource", form="status")

    def search(self):
        portal = self.portal
        caller = self.caller(required=False)
        if caller is False:
            return
        query = self.param("q") or ""
        try:
            predicate = QueryParser(query).parse()
            start = int(self.param("start") or 1)
            num = int(self.param("num") or 10)
        except ValueError as error:
            return self.send_error_answer(400, "Unable to search: %s" % error)
        start = max(1, start)
        num = max(0, min(100, num))
        with portal.lock:
            found = [i for i in portal.items.values()
                     if portal.visible(i, caller) and predicate(i, portal.users.get(i["owner"]))]
        field = (self.param("sortField") or "").lower()
        keys = {"title": "title", "created": "created", "modified": "modified", "numviews": "numViews",
                "type": "type", "owner": "owner"}
        if field in keys:
            found.sort(key=lambda i: (str(i.get(keys[field]) or "").lower() if keys[field] in ("title", "type", "owner")
                                      else i.get(keys[field]) or 0),
                       reverse=(self.param("sortOrder") or "asc").lower() == "desc")
        page_items = found[start - 1:start - 1 + num]
        following = start + num if start - 1 + num < len(found) else -1
        self.send_json({"query": query, "total": len(found), "start": start, "num": num,
                        "nextStart": following, "results": [public_item(i) for i in page_items]})

    # Test controls

    def control(self):
        portal = self.portal
        name = self.route[len(CONTROL):].strip("/")
        fields = self.json_body if isinstance(self.json_body, dict) else dict(self.form)
        if name == "" and self.command == "GET":
            with portal.lock:
                return self.send_json({"url": portal.base_url, "certificate": portal.certificate,
                                       "config": portal.config, "users": sorted(portal.users),
                                       "items": sorted(portal.items), "failures": portal.failures})
        if self.command != "POST" and name != "log":
            return self.send_json({"error": "control calls other than reads are POST"}, 405)
        try:
            if name == "config":
                with portal.lock:
                    for key, value in fields.items():
                        if key not in portal.config:
                            raise ValueError("unknown setting %r" % key)
                        portal.config[key] = value
                    config = dict(portal.config)
                return self.send_json(config)
            if name == "fail":
                mode = fields.get("mode", "transport")
                if mode not in ("transport", "json", "status", "truncate", "stall"):
                    raise ValueError("mode is transport, json, status, truncate or stall")
                failure = {"mode": mode, "path": fields.get("path") or "", "method": fields.get("method") or "",
                           "count": int(fields.get("count", 1)), "code": int(fields.get("code", 500)),
                           "message": fields.get("message") or "Failure asked for by a test",
                           "seconds": min(60.0, float(fields.get("seconds", 10))),
                           "resends": int(fields.get("resends", TRANSPORT_RESENDS)) if mode == "transport" else 0}
                with portal.lock:
                    portal.failures.append(failure)
                return self.send_json({"failures": len(portal.failures)})
            if name == "clear-failures":
                with portal.lock:
                    portal.failures.clear()
                return self.send_json({"failures": 0})
            if name == "expire":
                with portal.lock:
                    for record in portal.access_tokens.values():
                        record["expires"] = 0
                    if fields.get("refresh_tokens"):
                        portal.refresh_tokens.clear()
                return self.send_json({"expired": True})
            if name == "users":
                return self.send_json(user_view(portal.add_user(fields), True))
            if name == "items":
                owner = fields.get("owner") or "demo"
                if owner not in portal.users:
                    raise ValueError("no user %r" % owner)
                return self.send_json(public_item(portal.add_item(owner, fields, fields.get("ownerFolder"))))
            if name == "log":
                with portal.lock:
                    entries = list(portal.log)
                    if self.command == "POST" and fields.get("clear"):
                        portal.log.clear()
                return self.send_json({"requests": entries})
        except (ValueError, TypeError) as error:
            return self.send_json({"error": str(error)}, 400)
        self.send_json({"error": "no control %r" % name}, 404)


class PortalServer(ThreadingHTTPServer):
    daemon_threads = True
    tls = None
    site_folder = None
    connection_timeout = DEFAULT_CONNECTION_TIMEOUT

    def process_request_thread(self, request, client_address):
        if self.tls is not None:
            try:
                request.settimeout(self.connection_timeout)
                request = self.tls.wrap_socket(request, server_side=True)
            except (OSError, ssl.SSLError):
                self.shutdown_request(request)
                return
        super().process_request_thread(request, client_address)


def make_certificate(folder):
    certificate = os.path.join(folder, "certificate.pem")
    key = os.path.join(folder, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                    "-nodes", "-days", "2",
                    "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1,DNS:localhost",
                    "-keyout", key, "-out", certificate],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return certificate, key


def main():
    parser = argparse.ArgumentParser(description="A portal on this machine for tests and demos.")
    parser.add_argument("--host", default="127.0.0.1", help="address to listen on (default 127.0.0.1)")
    parser.add_argument("--port", type=int, default=0, help="port (default 0: a free one)")
    parser.add_argument("--tls", action="store_true", help="HTTPS with a self-signed certificate made at start")
    parser.add_argument("--expires-in", type=int, default=1800, help="access token lifetime in seconds")
    parser.add_argument("--refresh-token-mode", choices=("keep", "new", "rotate"), default="keep",
                        help="refresh answers: keep (no new refresh_token), new (a new one, the old stays "
                             "valid), rotate (a new one, the old is refused)")
    parser.add_argument("--error-form", choices=("json", "status"), default="json",
                        help="errors as HTTP 200 with an \"error\" member, or with the code as HTTP status")
    parser.add_argument("--client-id", action="append", help="accept only these client ids (default: any)")
    parser.add_argument("--portal-name", default="Local Portal")
    parser.add_argument("--is-portal", action="store_true", help="describe itself as an on-premises portal")
    parser.add_argument("--no-demo", action="store_true", help="start without the demo users and apps")
    parser.add_argument("--watch-stdin", action="store_true", help="also stop when standard input closes")
    parser.add_argument("--quiet", action="store_true", help="print nothing but the URL")
    parser.add_argument("--site", metavar="FOLDER",
                        help="also serve the files under FOLDER at paths that are not the portal's own")
    parser.add_argument("--connection-timeout", type=float, default=DEFAULT_CONNECTION_TIMEOUT, metavar="SECONDS",
                        help="close a connection that stays silent this long, in the middle of a request too "
                             "(default %d)" % DEFAULT_CONNECTION_TIMEOUT)
    options = parser.parse_args()
    if not 0 < options.connection_timeout <= LONGEST_CONNECTION_TIMEOUT:
        parser.error("--connection-timeout must be more than 0 and at most %d seconds" % LONGEST_CONNECTION_TIMEOUT)

    portal = Portal(options)
    server = PortalServer((options.host, options.port), Handler)
    server.portal = portal
    server.site_folder = os.path.realpath(options.site) if options.site else None
    server.connection_timeout = options.connection_timeout
    folder = None
    scheme = "http"
    if options.tls:
        folder = tempfile.mkdtemp(prefix="localportal-")
        try:
            certificate, key = make_certificate(folder)
        except (OSError, subprocess.CalledProcessError) as error:
            shutil.rmtree(folder, ignore_errors=True)
            print("localportal: cannot make a certificate with openssl: %s" % error, file=sys.stderr)
            return 2
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(certificate, key)
        server.tls = context
        portal.certificate = certificate
        scheme = "https"
    host = options.host if options.host not in ("0.0.0.0", "") else "127.0.0.1"
    portal.base_url = "%s://%s:%d" % (scheme, host, server.server_address[1])

    stopping = threading.Event()

    def stop(*_):
        if not stopping.is_set():
            stopping.set()
            threading.Thread(target=server.shutdown, daemon=True).start()

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)

    parent = os.getppid()

    def watch_parent():
        # Orphans are handed to another process: the parent id changes.
        while not stopping.wait(0.3):
            if os.getppid() != parent:
                stop()

    if parent > 1:
        threading.Thread(target=watch_parent, daemon=True).start()
    if options.watch_stdin:
        threading.Thread(target=lambda: (sys.stdin.read(), stop()), daemon=True).start()

    print(portal.base_url, flush=True)
    if not options.quiet:
        print("localportal: users %s; sign in by hand at %s/" % (", ".join(sorted(portal.users)) or "none",
                                                                 portal.base_url), file=sys.stderr, flush=True)
    try:
        server.serve_forever(poll_interval=0.2)
    finally:
        server.server_close()
        if folder:
            shutil.rmtree(folder, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
