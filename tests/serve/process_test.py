"""skelbor-bench serve as a process: a clean stop on SIGINT and SIGTERM with
the settings file written whole, a busy port refused, faulty options.

Usage: process_test.py BENCH"""

import os
import signal
import socket
import subprocess
import sys
import tempfile
import unittest

import live_page as lp

BENCH = None


class ServeProcess(unittest.TestCase):
    def test_a_stop_signal_ends_it_cleanly_with_the_settings_file_whole(self):
        for stop in (signal.SIGINT, signal.SIGTERM):
            with self.subTest(signal=stop.name), tempfile.TemporaryDirectory() as folder:
                settings = os.path.join(folder, "skelbor.ini")
                with open(settings, "w", newline="") as file:
                    file.write("[Default]\r\nDefaultICAO=KBFI\r\n")
                server = lp.Server(BENCH, "--settings", settings)
                self.assertIn("KBFI", server.state()["getIcao"])
                # STO opens the saved list, the second STO stores KBFI in slot 0.
                for _ in range(2):
                    self.assertEqual(server.call("POST", "/api/click", {"name": "STO"})[0], 200)
                    server.call("POST", "/api/frames", {"frames": 3})
                status, out = server.stop(stop)
                self.assertEqual(status, 0, out)
                self.assertIn("stopped", out)
                with open(settings, newline="") as file:
                    text = file.read()
                self.assertIn("DefaultICAO=KBFI", text)
                self.assertIn("KBFI", text.split("[Saved]")[1])
                self.assertEqual(os.listdir(folder), ["skelbor.ini"])

    def test_b_a_second_serve_on_a_busy_port_says_so_and_exits_1(self):
        with socket.socket() as taken:
            taken.bind(("127.0.0.1", 0))
            taken.listen()
            port = taken.getsockname()[1]
            run = subprocess.run([BENCH, "serve", "--port", str(port)], capture_output=True,
                                 text=True, timeout=30)
        self.assertEqual(run.returncode, 1)
        self.assertIn("in use", run.stderr)
        first = lp.Server(BENCH)
        try:
            port = first.url.rsplit(":", 1)[1].strip("/")
            run = subprocess.run([BENCH, "serve", "--port", port], capture_output=True, text=True,
                                 timeout=30)
            self.assertEqual(run.returncode, 1)
            self.assertIn("in use", run.stderr)
            self.assertEqual(first.state()["getIcao"].strip(), "A      KSEA".strip())
        finally:
            first.stop()

    def test_c_faulty_options_are_named_with_status_2(self):
        with tempfile.TemporaryDirectory() as empty:
            for arguments, said in ((["--world", empty], "no apt.dat"),
                                    (["--port", "70000"], "--port"),
                                    (["--port"], "--port"),
                                    (["--colour", "red"], "--colour")):
                with self.subTest(arguments=arguments):
                    run = subprocess.run([BENCH, "serve", *arguments], capture_output=True,
                                         text=True, timeout=30)
                    self.assertEqual(run.returncode, 2)
                    self.assertIn(said, run.stderr)


if __name__ == "__main__":
    BENCH = sys.argv[1]
    unittest.main(argv=sys.argv[:1], verbosity=2)
