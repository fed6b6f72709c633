#!/usr/bin/env python3
# The phone's side of scripts/phone-browser: drives headless Chromium through ChromeDriver's
# WebDriver protocol (plain HTTP on the loopback, no client library), as a player's phone.
#   phone-page.py DRIVER_PORT JOIN_ADDRESS OUTPUT_FOLDER
import base64
import json
import subprocess
import sys
import time
import urllib.request

driver_port, address, out = sys.argv[1], sys.argv[2], sys.argv[3]
ELEMENT = "element-6066-11e4-a52e-4f735466cecf"


def call(method, path, body=None):
    request = urllib.request.Request(
        f"http://127.0.0.1:{driver_port}{path}", method=method,
        data=None if body is None else json.dumps(body).encode(),
        headers={"Content-Type": "application/json"})
    with urllib.request.urlopen(request, timeout=60) as answer:
        return json.loads(answer.read())["value"]


def solve(numbers, target):
    """A way to make `target` from the dealt `numbers`, as the board's taps: a list of
    (first tile, operation, second tile), tiles named as the page names them."""
    operations = {"add": lambda a, b: a + b, "subtract": lambda a, b: a - b,
                  "multiply": lambda a, b: a * b,
                  "divide": lambda a, b: a // b if b and a % b == 0 else 0}
    seen = set()

    def search(tiles, made, depth):
        # tiles: {name: value} still on the board; made: the three made slots' names in use
        key = (tuple(sorted(tiles.values())), depth)
        if key in seen:
            return None
        seen.add(key)
        names = list(tiles)
        for first in names:
            for second in names:
                if first == second:
                    continue
                for operation, apply in operations.items():
                    result = apply(tiles[first], tiles[second])
                    if not 1 <= result <= 999:
                        continue
                    rest = {name: value for name, value in tiles.items() if name not in (first, second)}
                    used = [slot for slot in made if slot in rest]
                    free = [i for i in range(3) if f"madeNumber{i}" not in rest]
                    if not free:
                        continue
                    slot = f"madeNumber{free[0]}"
                    step = (first, operation, second)
                    if result == target:
                        return [step]
                    if depth > 1:
                        rest[slot] = result
                        found = search(rest, used + [slot], depth - 1)
                        if found:
                            return [step] + found
        return None

    for depth in range(1, 7):
        seen.clear()
        found = search({f"dealtNumber{i}": n for i, n in enumerate(numbers)}, [], depth)
        if found:
            return found
    return None


def fail(what):
    shoot("failed")
    print(f"phone browser: {what}", file=sys.stderr)
    sys.exit(1)


def wait_for(what, check, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        value = check()
        if value:
            return value
        time.sleep(0.1)
    fail(f"no {what} within {seconds} s")


for _ in range(100):
    try:
        call("GET", "/status")
        break
    except OSError:
        time.sleep(0.1)

session = call("POST", "/session", {"capabilities": {"alwaysMatch": {
    "browserName": "chrome",
    "goog:chromeOptions": {
        "binary": "/usr/bin/chromium",
        "args": ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                 "--disable-background-networking", "--disable-component-update", "--no-first-run",
                 "--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1"],
        "mobileEmulation": {"deviceMetrics": {"width": 390, "height": 844, "pixelRatio": 2, "touch": True}},
    }}}})["sessionId"]
base = f"/session/{session}"


def script(source, *args):
    return call("POST", base + "/execute/sync", {"script": source, "args": list(args)})


def find(css):
    return call("POST", base + "/element", {"using": "css selector", "value": css})[ELEMENT]


def shoot(name):
    try:
        with open(f"{out}/{name}.png", "wb") as picture:
            picture.write(base64.b64decode(call("GET", base + "/screenshot")))
    except Exception:  # a picture is only a help
        pass


def colours(picture, area):
    # How many colours a part of a saved picture holds: an empty tile one or two, a number many.
    return int(subprocess.run(["convert", f"{out}/{picture}.png", "-crop", area, "+repage", "-format", "%k", "info:"],
                              capture_output=True, text=True, check=True).stdout)


def television(name):
    subprocess.run(["import", "-window", "root", "-crop", "560x348+0+0", f"{out}/{name}.png"], check=True)


try:
    call("POST", base + "/url", {"url": address})
    wait_for("join form", lambda: script("return !document.getElementById('join').hidden"))
    if script("return document.getElementById('room').value") != address[-4:]:
        fail("the room code is not taken from the address")
    call("POST", base + f"/element/{find('#name')}/value", {"text": "Zoë"})
    shoot("phone-join")
    call("POST", base + f"/element/{find('#joinButton')}/click", {})
    wait_for("joined room", lambda: script("return !document.getElementById('room-view').hidden"))
    if script("return document.getElementById('me').textContent") != "Player 1 · Zoë":
        fail("the phone does not say it is Player 1, Zoë")
    time.sleep(0.3)
    television("set-up-joined")

    # The host starts the game: Start Game, at Normal.
    subprocess.run(["xdotool", "mousemove", "236", "236", "click", "1"], check=True)
    target = wait_for("target on the phone", lambda: script("return document.getElementById('target').textContent"))
    if len(script("return document.querySelectorAll('#numbers li')")) != 7:
        fail("the phone does not show the seven numbers")
    shoot("phone-round")
    television("round")

    # A tap on the buzzer, as a finger makes it.
    buzzer = find("#buzz")
    call("POST", base + "/actions", {"actions": [{
        "type": "pointer", "id": "finger", "parameters": {"pointerType": "touch"},
        "actions": [{"type": "pointerMove", "duration": 0, "origin": {ELEMENT: buzzer}, "x": 0, "y": 0},
                    {"type": "pointerDown", "button": 0}, {"type": "pause", "duration": 120},
                    {"type": "pointerUp", "button": 0}]}]})
    lines = wait_for("answer on the phone", lambda: [line for line in script(
        "return [...document.querySelectorAll('#scores li')].map(li => li.textContent)") if line.startswith("Answer:")])
    if script("return document.getElementById('answering').textContent") != "Zoë is answering":
        fail("the phone does not say that Zoë is answering")
    shoot("phone-buzzed")
    time.sleep(0.2)
    television("buzzed")
    # The contender panel, at the board's design place: a name written in it is many colours.
    if colours("buzzed", "113x19+196+147") < 4:
        fail("the television's contender panel shows no name")
    print(f"phone browser: target {target}, {lines[0]}")

    # The phone is now Zoë's board: she works the target out on it, tap by tap, and the
    # television's working row shows each step (the phone's view carries the board's own cells).
    wait_for("board on the phone", lambda: script("return !document.getElementById('board').hidden"))
    numbers = [int(n) for n in script("return [...document.querySelectorAll('#board .tiles:not(.made) button')]"
                                      ".map(b => b.textContent)")]
    steps = solve(numbers, int(target))
    if not steps:
        fail(f"no way to {target} from {numbers}")
    signs = {"add": "+", "subtract": "-", "multiply": "×", "divide": "÷"}

    def working():
        return script("return [...document.querySelectorAll('#working span')].map(s => s.textContent)")

    def value(control):
        return script("return document.querySelector(arguments[0]).textContent", f'[data-on="{control}"]')

    def tap(control):
        element = find(f'[data-on="{control}"]')
        call("POST", base + f"/element/{element}/click", {})

    for number, (first, operation, second) in enumerate(steps):
        a, b = value(first), value(second)
        tap(first)
        wait_for(f"{a} in the working row", lambda: working()[0] == a)
        tap(operation)
        wait_for(f"{operation} in the working row", lambda: working()[1] == signs[operation])
        tap(second)
        wait_for(f"{b} in the working row", lambda: working()[2] == b)
        # And on the television's own pixels: the working row's first and last tiles hold numbers.
        television(f"step-{number + 1}")
        for x in (34, 114):
            if colours(f"step-{number + 1}", f"36x36+{x}+138") < 4:
                fail(f"the television's working row is empty at step {number + 1}")
        if number == 0:
            shoot("phone-board")
        tap("equals")
    wait_for("the round won", lambda: script("return document.getElementById('heading').textContent")
             == "Zoë won the round!", 15)
    television("won")
    print(f"phone browser: {target} made from the phone in {len(steps)} steps")
finally:
    call("DELETE", base)
