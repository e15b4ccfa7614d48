"""The web remote's page in a real browser (headless Chromium driven by Selenium), at a phone's
size: the PIN once, then tap play, see the item run and the page say so, then the next item."""
import os
import shutil
import tempfile
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

from quadrel_e2e import wait_for
from test_remote import PIN, Remote


def chromium():
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--window-size=390,844"):
        options.add_argument(argument)
    options.binary_location = shutil.which("chromium") or "/usr/bin/chromium"
    profile = tempfile.mkdtemp(prefix="quadrel-chromium-")
    options.add_argument(f"--user-data-dir={profile}")
    service = Service(shutil.which("chromedriver") or "/usr/bin/chromedriver")
    driver = webdriver.Chrome(service=service, options=options)
    return driver, profile


class WebRemotePage(Remote):
    def browser(self):
        driver, profile = chromium()
        self.addCleanup(shutil.rmtree, profile, True)
        self.addCleanup(driver.quit)
        return driver

    def text(self, driver, element_id):
        return driver.find_element(By.ID, element_id).text

    def test_tap_play_and_see_the_item_run_then_the_next(self):
        program = self.remote_program(["slow.sh", "b.sh"])
        # An item that runs long enough for the page to show it playing.
        slow = program.path("slow.sh")
        with open(slow, "a") as f:
            f.write("sleep 3\n")
        driver = self.browser()
        driver.get(f"http://127.0.0.1:{self.web_port}/")
        driver.find_element(By.ID, "pin").send_keys(PIN)
        driver.find_element(By.ID, "login").click()
        wait_for(lambda: self.text(driver, "current") == "slow.sh", what="the current item")
        self.assertEqual(self.text(driver, "next-item"), "b.sh")
        driver.find_element(By.ID, "go").click()
        wait_for(lambda: driver.execute_script("return document.body.dataset.playing") == "1",
                 what="the page to show the item playing")
        self.assertEqual(self.played(program), ["slow.sh"])
        wait_for(lambda: self.text(driver, "current") == "b.sh", what="the next item after it")
        self.assertEqual(driver.execute_script("return document.body.dataset.playing"), "0")

    def test_a_wrong_pin_is_said_and_nothing_else_shows(self):
        program = self.remote_program(["a.sh"])
        driver = self.browser()
        driver.get(f"http://127.0.0.1:{self.web_port}/")
        driver.find_element(By.ID, "pin").send_keys("000000")
        driver.find_element(By.ID, "login").click()
        wait_for(lambda: self.text(driver, "login-error") != "", what="the refusal")
        self.assertNotIn("a.sh", driver.page_source)
        self.assertEqual(self.played(program), [])


if __name__ == "__main__":
    unittest.main()
