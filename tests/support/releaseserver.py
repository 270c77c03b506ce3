# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves a folder on 127.0.0.1 as a release server would, and misbehaves on request: a file
NAME with NAME.stall beside it sends a little and then nothing; with NAME.cut beside it, half of
what its length promises."""
import http.server
import os
import sys
import time

folder = sys.argv[1]


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        path = os.path.join(folder, self.path.lstrip("/"))
        if not os.path.isfile(path):
            self.send_error(404)
            return
        with open(path, "rb") as served:
            data = served.read()
        self.send_response(200)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        if os.path.exists(path + ".stall"):
            self.wfile.write(data[:100])
            self.wfile.flush()
            time.sleep(600)
        elif os.path.exists(path + ".cut"):
            self.wfile.write(data[: len(data) // 2])
            self.close_connection = True
        else:
            self.wfile.write(data)

    def log_message(self, *arguments):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print("Serving on port", server.server_address[1], flush=True)
server.serve_forever()
