#!/usr/bin/python3
"""A mail server on loopback for the tests, on aiosmtpd.

  smtp_server.py certs DIR
      writes a test CA (ca.pem), a server certificate it signs for localhost and
      127.0.0.1 (server.pem/.key), one it signs for another host name
      (wronghost.pem/.key) and one signed by a CA nobody trusts (untrusted.pem/.key).
  smtp_server.py serve --out DIR [--tls none|starttls|implicit] [--cert C --key K]
                       [--user U --password P]
      serves until killed; prints "READY <port>" once it accepts connections. Each
      message it takes is written to DIR as a JSON file: envelope, decoded headers,
      the text and every attachment's name, type and bytes (base64).
"""
import argparse
import asyncio
import base64
import email
import email.policy
import json
import os
import socket
import ssl
import subprocess
import sys
import time

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword


def openssl(*arguments, cwd):
    subprocess.run(["openssl", *arguments], cwd=cwd, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def make_ca(name, cwd):
    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "30",
            "-subj", "/CN=" + name, "-keyout", name + ".key", "-out", name + ".pem", cwd=cwd)


def make_leaf(name, ca, alt_names, cwd):
    openssl("req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=" + name,
            "-keyout", name + ".key", "-out", name + ".csr", cwd=cwd)
    with open(os.path.join(cwd, name + ".ext"), "w") as ext:
        ext.write("subjectAltName=" + alt_names + "\n")
    openssl("x509", "-req", "-in", name + ".csr", "-CA", ca + ".pem", "-CAkey", ca + ".key",
            "-CAcreateserial", "-days", "30", "-extfile", name + ".ext", "-out", name + ".pem",
            cwd=cwd)


def certs(folder):
    os.makedirs(folder, exist_ok=True)
    make_ca("ca", folder)
    make_ca("otherca", folder)
    make_leaf("server", "ca", "DNS:localhost,IP:127.0.0.1", folder)
    make_leaf("wronghost", "ca", "DNS:mail.example.org", folder)
    make_leaf("untrusted", "otherca", "DNS:localhost,IP:127.0.0.1", folder)


class Keeper:
    def __init__(self, folder):
        self.folder = folder
        self.count = 0

    async def handle_DATA(self, server, session, envelope):
        message = email.message_from_bytes(envelope.content, policy=email.policy.default)
        body = message.get_body(preferencelist=("plain",))
        record = {
            "mailFrom": envelope.mail_from,
            "rcptTo": envelope.rcpt_tos,
            "from": str(message["From"]),
            "to": str(message["To"]),
            "subject": str(message["Subject"]),
            "body": body.get_content() if body is not None else "",
            "attachments": [
                {"name": part.get_filename(), "type": part.get_content_type(),
                 "data": base64.b64encode(part.get_payload(decode=True)).decode()}
                for part in message.iter_attachments()],
            # STARTTLS fills session.ssl; implicit TLS shows on the transport.
            "tls": session.ssl is not None
                   or server.transport.get_extra_info("ssl_object") is not None,
            "authenticated": bool(session.authenticated),
        }
        self.count += 1
        path = os.path.join(self.folder, "%03d.json" % self.count)
        with open(path + ".part", "w") as out:
            json.dump(record, out)
        os.rename(path + ".part", path)
        return "250 OK"


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def serve(options):
    context = None
    if options.tls != "none":
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(options.cert, options.key)

    def authenticate(server, session, envelope, mechanism, data):
        ok = (isinstance(data, LoginPassword) and options.user is not None
              and data.login == options.user.encode() and data.password == options.password.encode())
        return AuthResult(success=ok, handled=False)

    # aiosmtpd counts only STARTTLS as TLS: with implicit TLS it would never offer AUTH.
    smtp = {"authenticator": authenticate, "auth_require_tls": options.tls == "starttls"}
    if options.tls == "starttls":
        smtp["tls_context"] = context
    port = free_port()
    controller = Controller(Keeper(options.out), hostname="127.0.0.1", port=port,
                            ssl_context=context if options.tls == "implicit" else None,
                            server_hostname="localhost", **smtp)
    controller.start()
    print("READY %d" % port, flush=True)
    try:
        while True:
            time.sleep(3600)
    finally:
        controller.stop()


def main():
    parser = argparse.ArgumentParser()
    commands = parser.add_subparsers(dest="command", required=True)
    make = commands.add_parser("certs")
    make.add_argument("folder")
    run = commands.add_parser("serve")
    run.add_argument("--out", required=True)
    run.add_argument("--tls", choices=["none", "starttls", "implicit"], default="none")
    run.add_argument("--cert")
    run.add_argument("--key")
    run.add_argument("--user")
    run.add_argument("--password")
    options = parser.parse_args()
    if options.command == "certs":
        certs(options.folder)
    else:
        serve(options)


if __name__ == "__main__":
    sys.exit(main())
