#!/usr/bin/env python3
"""kill-test.py [BUILD] [KILLS]: kills the real game (kill -9) at random moments of scripted
play and starts it again, as a player would, and checks that no game is lost and none is
counted twice.

Each round starts the program under a virtual X server with a window manager, clicks the
splash away, answers "Continue the unfinished game N?" yes or no at random, plays (new
games, undo, redo) and is killed at a random moment, often in the middle of all that. All
the while the settings file is read every 20 ms: every game the program keeps there is
noted. Every state the file is ever found in must count, in the player's games plus the
game kept, exactly the games seen kept so far; at the end, after a last round closed
through the window's close box, the player's games must be all the games seen.
Needs xvfb, xdotool and openbox.
"""
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

build = sys.argv[1] if len(sys.argv) > 1 else 'build'
kills = int(sys.argv[2]) if len(sys.argv) > 2 else 100
home = tempfile.mkdtemp()
# A copy of its own, so that a build meanwhile changes nothing under it.
program = shutil.copy(os.path.realpath(os.path.join(build, 'tabloo')), os.path.join(home, 'tabloo'))
env = dict(os.environ, DISPLAY=':78', XDG_CONFIG_HOME=home)
ini = os.path.join(home, 'Tabloo', 'Tabloo.ini')
servers = [subprocess.Popen(['Xvfb', ':78', '-screen', '0', '1280x1024x24'], stderr=subprocess.DEVNULL)]
time.sleep(1)
servers.append(subprocess.Popen(['openbox'], env=env, stderr=subprocess.DEVNULL, stdout=subprocess.DEVNULL))
time.sleep(0.5)


def xdo(*args):
    return subprocess.run(['xdotool', *args], env=env, capture_output=True, text=True).stdout.strip()


def read_store():
    """The player's games and the game kept, as the file holds them now."""
    try:
        with open(ini, encoding='utf-8') as f:
            text = f.read()
    except FileNotFoundError:
        return 0, None
    section, games, kept = '', 0, None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith('[') and line.endswith(']'):
            section = line[1:-1]
        elif section == 'Players' and line.startswith('1PlayerGames='):
            games = int(line.split('=', 1)[1])
        elif section == 'Game' and line.startswith('GameNo='):
            kept = line.split('=', 1)[1]
    return games, kept


seen = set()
faults = []
states = 0


def check(where):
    global states
    games, kept = read_store()
    if kept:
        seen.add(kept)
    states += 1
    if games + (1 if kept else 0) != len(seen):
        faults.append('%s: %d games counted, %s kept, %d seen' % (where, games, kept, len(seen)))
    return games, kept


class Watch(threading.Thread):
    def __init__(self):
        super().__init__(daemon=True)
        self.running = True

    def run(self):
        while self.running:
            check('while running')
            time.sleep(0.02)


def window(name):
    ids = xdo('search', '--onlyvisible', '--name', name).split()
    return ids[0] if ids else None


def play_round(kill_after):
    """One run of the program, killed after `kill_after` seconds (None: closed at the end)."""
    proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    watch = Watch()
    watch.start()
    start = time.time()
    next_action = start + random.uniform(0.1, 0.4)
    while proc.poll() is None:
        now = time.time()
        if kill_after is not None and now - start >= kill_after:
            os.kill(proc.pid, signal.SIGKILL)
            break
        closing = kill_after is None and now - start > 6
        if now >= next_action:
            next_action = now + random.uniform(0.3, 0.6)
            main = window(r'^Tabloo 3\.0 \[')
            if window('^Tabloo$'):  # the splash, the question or a message
                xdo('key', random.choice(['Return', 'Escape']))
            elif window('^Select Game$'):
                xdo('key', 'Return')
            elif main and closing:
                xdo('windowactivate', '--sync', main, 'key', 'alt+F4')
            elif main:
                xdo('key', random.choice(['F2', 'F2', 'ctrl+z', 'ctrl+x', 'ctrl+z']))
            elif xdo('search', '--onlyvisible', '--class', 'tabloo'):
                xdo('mousemove', '640', '500', 'click', '1')
        time.sleep(0.01)
    proc.wait()
    watch.running = False
    watch.join()
    return check('after the end')


random.seed(int(sys.argv[3]) if len(sys.argv) > 3 else 2026)
try:
    for round_ in range(kills):
        play_round(random.uniform(0.2, 5.0))
    games, kept = play_round(None)
finally:
    for s in servers:
        s.terminate()
    shutil.rmtree(home, ignore_errors=True)

print('kills %d, states of the settings file read %d' % (kills, states))
print('games dealt and kept %d, games counted %d, game kept at the end %s' % (len(seen), games, kept))
for f in faults[:10]:
    print('FAULT', f)
ok = not faults and games == len(seen) and kept is None
print('no game lost, none counted twice' if ok else 'FAILED')
sys.exit(0 if ok else 1)
