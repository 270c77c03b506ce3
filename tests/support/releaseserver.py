# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves a folder on 127.0.0.1 as a release server would, over http, or over https with
--tls FOLDER, where it makes a CA of its own and its certificate for localhost and 127.0.0.1,
signed by that CA; FOLDER/certs then holds the CA alone, as the system's certificate folder
holds its CAs. As GitHub does, a path with "latest" in it redirects to the same path with "tag"
on the host localhost, which redirects to "files" on 127.0.0.1, which serves the file; a path
with none of them serves the file at once.

Beside a file NAME, a file of the same name with one of these endings makes it misbehave:
NAME.stall sends a little and then nothing; NAME.cut half of what its length promises; NAME.drip
one byte a second; NAME.flood sends 1 GiB, chunked, with no length, as fast as it can;
NAME.status answers with the status code the file holds, and no body; NAME.redirect redirects
to the address the file holds; NAME.loop redirects to itself. Like GitHub's, each redirect carries a
short page that says where the file moved."""
import http.server
import os
import ssl
import subprocess
import sys
import time

folder = sys.argv[1]
tls = sys.argv[3] if len(sys.argv) > 3 and sys.argv[2] == "--tls" else None


def make_certificates(at):
    def openssl(*arguments):
        return subprocess.run(["openssl", *arguments], cwd=at, check=True, capture_output=True).stdout

    key = ["-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:P-256", "-nodes"]
    openssl("req", "-x509", *key, "-keyout", "ca.key", "-out", "ca.pem", "-days", "2",
            "-subj", "/CN=Kavari test CA", "-addext", "basicConstraints=critical,CA:TRUE",
            "-addext", "keyUsage=critical,keyCertSign")
    openssl("req", *key, "-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=localhost",
            "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1")
    openssl("x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key",
            "-CAcreateserial", "-out", "server.pem", "-days", "2", "-copy_extensions", "copy")
    # OpenSSL finds a CA in a folder by the hash of its name.
    name_hash = openssl("x509", "-hash", "-noout", "-in", "ca.pem").decode().strip()
    os.makedirs(os.path.join(at, "certs"), exist_ok=True)
    with open(os.path.join(at, "ca.pem"), "rb") as ca, \
            open(os.path.join(at, "certs", "ca-certificates.crt"), "wb") as bundle:
        bundle.write(ca.read())
    os.symlink("ca-certificates.crt", os.path.join(at, "certs", name_hash + ".0"))


def marker(path, ending):
    try:
        with open(path + "." + ending, "rb") as held:
            return held.read().decode().strip() or True
    except OSError:
        return None


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def answer(self, status, headers=()):
        self.send_response(status)
        body = b""
        for name, value in headers:
            self.send_header(name, value)
            if name == "Location":
                body = b'<html><body>You are being <a href="%s">redirected</a>.</body></html>' % value.encode()
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        parts = self.path.lstrip("/").split("/")
        scheme = "https" if tls else "http"
        port = self.server.server_address[1]
        for hop, following, host in (("latest", "tag", "localhost"), ("tag", "files", "127.0.0.1")):
            if hop in parts:
                parts[parts.index(hop)] = following
                self.answer(302, [("Location", "%s://%s:%d/%s" % (scheme, host, port, "/".join(parts)))])
                return
        if "files" in parts:
            parts.remove("files")
        path = os.path.join(folder, *parts)
        if marker(path, "redirect"):
            self.answer(302, [("Location", marker(path, "redirect"))])
            return
        if marker(path, "loop"):
            self.answer(302, [("Location", self.path)])
            return
        if marker(path, "status"):
            self.answer(int(marker(path, "status")))
            return
        if marker(path, "flood"):
            self.send_response(200)
            self.send_header("Transfer-Encoding", "chunked")
            self.end_headers()
            chunk = b"%x\r\n%s\r\n" % (1 << 20, b"x" * (1 << 20))
            for _ in range(1024):
                self.wfile.write(chunk)
            self.wfile.write(b"0\r\n\r\n")
            return
        if not os.path.isfile(path):
            self.send_error(404)
            return
        with open(path, "rb") as served:
            data = served.read()
        self.send_response(200)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        if marker(path, "stall"):
            self.wfile.write(data[:100])
            self.wfile.flush()
            time.sleep(600)
        elif marker(path, "cut"):
            self.wfile.write(data[: len(data) // 2])
            self.close_connection = True
        elif marker(path, "drip"):
            for byte in data:
                self.wfile.write(bytes([byte]))
                self.wfile.flush()
                time.sleep(1)
        else:
            self.wfile.write(data)

    def handle(self):
        # A client that stops a transfer is no fault of the server's.
        try:
            super().handle()
        except (ConnectionError, ssl.SSLError):
            pass

    def log_message(self, *arguments):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
if tls:
    make_certificates(tls)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(os.path.join(tls, "server.pem"), os.path.join(tls, "server.key"))
    # The handshake in the thread of its request, so that a client that stops halfway holds up no other.
    server.socket = context.wrap_socket(server.socket, server_side=True, do_handshake_on_connect=False)
print("Serving on port", server.server_address[1], flush=True)
server.serve_forever()
