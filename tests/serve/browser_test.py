"""The live bench's page in a real browser: the gauges clicked, hovered and
held at their pixels, ACT flown at 16x on the map. Any JavaScript error in
the console fails the suite.

Usage: browser_test.py BENCH OUTPUT_FOLDER"""

import math
import os
import sys
import unittest

import live_page as lp

BENCH = None
OUTPUT = None


class LivePage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = lp.Server(BENCH)
        cls.driver = lp.chromium()
        lp.open_page(cls.driver, cls.server)

    @classmethod
    def tearDownClass(cls):
        lp.close(cls.driver)
        cls.server.stop()

    def tearDown(self):
        self.assertEqual(lp.console_errors(self.driver), [], "JavaScript errors in the console")

    def screen(self, name):
        element = lp.page_state(self.driver)["screen"].get(name)
        return element and element["text"]

    def press(self, button, **how):
        lp.mouse(self.driver, button, **how)

    def page_to(self, button, header):
        """Clicks the button, one page change at a time, until the display shows that element."""
        for _ in range(6):
            if self.screen(header) is not None:
                return
            shown = set(lp.page_state(self.driver)["screen"])
            self.press(button)
            lp.wait_for(lambda: set(lp.page_state(self.driver)["screen"]) != shown, 5,
                        "the page to change after " + button)
        self.fail("no page shows " + header)

    def test_1_up_arrow_changes_the_first_ident_cell(self):
        before = self.screen("airportIdentChar0")
        self.assertIsNotNone(before, "page 0 shows the ident cells")
        self.press("^")
        lp.wait_for(lambda: self.screen("airportIdentChar0") != before, 5,
                    "the first ident cell to change from " + repr(before))

    def test_2_hovering_page_shows_its_tooltip_and_cursor(self):
        self.press("PAGE", move_only=True)
        lp.wait_for(lambda: self.driver.execute_script(
            "const t = document.getElementById('tooltip');"
            "return !t.hidden && t.textContent === 'Next Page'"), 5, "the tooltip Next Page")
        cursor = self.driver.execute_script("return document.getElementById('face-gps').style.cursor")
        self.assertEqual(cursor, "pointer")

    def test_3_right_click_on_act_hands_over_the_direct_to_destination(self):
        self.server.call("POST", "/api/seticao", {"icao": "KSEA"})
        self.press("ACT", right=True)
        lp.wait_for(lambda: "KSEA" in self.driver.find_element("id", "direct-to").text, 5,
                    "the direct-to destination KSEA")
        self.assertTrue(lp.page_state(self.driver)["directTo"]["ident"] == "KSEA")
        # The map draws the direct-to line to it.
        lp.wait_for(lambda: self.driver.execute_script("return window.skelbor.drawn.directTo"), 5,
                    "the direct-to line on the map")

    def test_4_holding_next_on_the_saved_page_moves_the_selection_again_and_again(self):
        self.page_to("RCL", "savedHeader")  # RCL opens the saved list, page 4

        self.driver.execute_script(
            "window.skelborSeen = [];"
            "window.skelborWatch = setInterval(() => {"
            "  const s = window.skelbor.state.screen;"
            "  const cyan = Object.keys(s).filter(n => n.startsWith('savedSlot') && s[n].color === '00ffff');"
            "  window.skelborSeen.push((s.savedHeader ? 'page 4: ' : 'not page 4: ') + cyan.join());"
            "}, 20);")
        self.press(">", hold_seconds=2.0)
        seen = self.driver.execute_script("clearInterval(window.skelborWatch); return window.skelborSeen")
        changes = sum(1 for a, b in zip(seen, seen[1:]) if a != b)
        self.assertGreater(changes, 1, "the selection moved while > was held: " + repr(seen))
        self.page_to("PAGE", "airportIdentChar0")

    def test_5_act_at_16x_turns_the_aircraft_to_the_airport_and_ends_within_2_nm(self):
        self.server.call("POST", "/api/seticao", {"icao": "KSEA"})
        # Ten miles south-west of the field, heading away from it.
        self.server.call("POST", "/api/aircraft", {"lat": 47.33, "lon": -122.52, "heading": 200,
                                                  "knots": 150})
        lp.wait_for(lambda: (lp.page_state(self.driver)["facility"] or {}).get("ident") == "KSEA",
                    10, "KSEA as the current facility")
        self.press("ACT")
        lp.wait_for(lambda: self.driver.find_element("id", "lamp-steering").text == "on", 5,
                    "the steering lamp to go on")
        self.driver.find_element("css selector", "[data-rate='16']").click()

        def off_course():
            drawn = self.driver.execute_script("return window.skelbor.drawn")
            a, f = drawn["aircraft"], drawn["facility"]
            bearing = math.degrees(math.atan2(f["x"] - a["x"], a["y"] - f["y"]))
            return abs((a["heading"] - bearing + 180) % 360 - 180)

        start = off_course()
        self.assertGreater(start, 90, "the aircraft starts heading away")
        lp.wait_for(lambda: off_course() < 30, 30, "the aircraft to turn toward the airport on the map")
        lp.wait_for(lambda: self.driver.execute_script("return window.skelbor.drawn.facility")
                    and lp.page_state(self.driver)["steering"], 5, "the 2 NM circle while steering")
        self.driver.save_screenshot(os.path.join(OUTPUT, "live-bench.png"))
        lp.wait_for(lambda: self.driver.find_element("id", "lamp-steering").text == "off", 60,
                    "the steering lamp to go off on arrival")
        state = self.server.state()
        here = state["aircraft"]
        there = state["facility"]
        north = (there["lat"] - here["lat"]) * 60
        east = (there["lon"] - here["lon"]) * 60 * math.cos(math.radians(here["lat"]))
        self.assertLess(math.hypot(north, east), 2.3, "steering ended near the airport")
        self.assertFalse(state["aircraft"]["headingHold"])
        self.server.call("POST", "/api/rate", {"rate": 1})

    def test_6_the_close_box_and_the_icon_gauge_toggle_the_window(self):
        self.press("CLOSE")
        lp.wait_for(lambda: not self.driver.find_element("id", "window-closed").get_attribute("hidden")
                    is not None, 5, "the window to close")
        self.assertFalse(self.driver.find_element("id", "face-gps").is_displayed())
        self.press("ICON")
        lp.wait_for(lambda: lp.page_state(self.driver)["windowOpen"], 5, "the window to open again")
        self.driver.save_screenshot(os.path.join(OUTPUT, "live-bench-end.png"))


if __name__ == "__main__":
    BENCH, OUTPUT = sys.argv[1], sys.argv[2]
    os.makedirs(OUTPUT, exist_ok=True)
    unittest.main(argv=sys.argv[:1], verbosity=2)
