"""The live bench's page in headless Chromium, as the browser suite and the
figures benchmark drive it: starts `skelbor-bench serve` on a free port,
opens the page and gives the mouse at gauge pixels."""

import json
import os
import re
import shutil
import subprocess
import tempfile
import time
import urllib.request

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.mouse_button import MouseButton

# Each button's centre in its gauge's pixels (sim/bench/button_places.h).
BUTTONS = {
    "LAST": ("gps", 25, 92), "<": ("gps", 75, 92), ">": ("gps", 125, 92),
    "V": ("gps", 175, 92), "^": ("gps", 225, 92), "PAGE": ("gps", 25, 117),
    "ACT": ("gps", 75, 117), "BLANK": ("gps", 125, 117), "STO": ("gps", 175, 117),
    "RCL": ("gps", 225, 117), "CLOSE": ("gps", 242, 7), "ICON": ("icon", 25, 12),
}


class Server:
    """skelbor-bench serve on a free port of 127.0.0.1."""

    def __init__(self, bench, *arguments):
        self.process = subprocess.Popen(
            [bench, "serve", "--port", "0", *arguments],
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        line = self.process.stdout.readline()
        found = re.search(r"(http://[^ ]+/)", line)
        if not found:
            self.process.kill()
            raise RuntimeError("serve did not start: " + line + self.process.stderr.read())
        self.url = found.group(1)

    def call(self, method, path, body=None):
        """(status, answer) of an API request."""
        data = None if body is None else (body if isinstance(body, bytes) else json.dumps(body).encode())
        request = urllib.request.Request(self.url + path.lstrip("/"), data=data, method=method)
        try:
            with urllib.request.urlopen(request, timeout=15) as response:
                return response.status, json.load(response)
        except urllib.error.HTTPError as error:
            return error.code, json.load(error)

    def state(self):
        return self.call("GET", "/api/state")[1]

    def stop(self, signal_number=15, timeout=15):
        """Stops the server with a signal; its exit status and the rest of its stdout."""
        self.process.send_signal(signal_number)
        out, _ = self.process.communicate(timeout=timeout)
        return self.process.returncode, out


def chromium(download_folder=None):
    """Headless Debian Chromium as root on a machine without a network."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--disable-dev-shm-usage", "--window-size=1600,1400",
                 "--force-device-scale-factor=1"):
        options.add_argument(flag)
    profile = tempfile.mkdtemp(prefix="skelbor-chromium-")
    options.add_argument("--user-data-dir=" + profile)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.profile_folder = profile
    return driver


def close(driver):
    driver.quit()
    shutil.rmtree(driver.profile_folder, ignore_errors=True)


def console_errors(driver):
    """JavaScript errors and failed loads the console reported since the last call."""
    return [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]


def face_point(driver, button):
    """The viewport point of a button's pixel on its face as the page shows it."""
    gauge, x, y = BUTTONS[button]
    rect = driver.execute_script(
        "const r = document.getElementById('face-' + arguments[0]).getBoundingClientRect();"
        "const img = document.getElementById('face-' + arguments[0]);"
        "return [r.left, r.top, r.width / img.naturalWidth, r.height / img.naturalHeight];", gauge)
    left, top, sx, sy = rect
    return int(left + (x + 0.5) * sx), int(top + (y + 0.5) * sy)


def mouse(driver, button, *, right=False, hold_seconds=None, move_only=False):
    """Moves the mouse to the button's pixel and clicks, right-clicks or holds it."""
    x, y = face_point(driver, button)
    actions = ActionBuilder(driver)
    actions.pointer_action.move_to_location(x, y)
    if not move_only:
        which = MouseButton.RIGHT if right else MouseButton.LEFT
        actions.pointer_action.pointer_down(which)
        if hold_seconds:
            actions.pointer_action.pause(hold_seconds)
        actions.pointer_action.pointer_up(which)
    actions.perform()


def wait_for(condition, timeout, what, interval=0.05):
    """The condition's first true value within the timeout; AssertionError naming `what` else."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(interval)


def open_page(driver, server):
    driver.get(server.url)
    wait_for(lambda: driver.execute_script(
        "return window.skelbor && window.skelbor.shownFaceSerial >= 0 && "
        "document.getElementById('face-gps').naturalWidth > 0 && "
        "document.getElementById('status').textContent === 'live'"), 15, "the page to go live")


def page_state(driver):
    return driver.execute_script("return window.skelbor.state")


def bench_program():
    return os.environ.get("SKELBOR_BENCH", "skelbor-bench")
