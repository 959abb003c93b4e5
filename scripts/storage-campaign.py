#!/usr/bin/env python3
"""Kills and a second user against saved games and list.txt: a measurement, not a test.

Two loops, each driving the script player (build/tools/vandrel-play) through whole games that
end on the leaderboard (the worked example, with its score changed so that every game enters):

  kills  Games that save and enter scores from a folder that cannot be written although its
         files can (the list then lives in the data folder), killed with SIGKILL at random
         moments. After every kill: are the saved game and the list beside the program
         untouched and whole, is the list in use whole, and is every entry that it held
         before still there unless better ones pushed it out?
  users  Two users share a game folder (mode 0777, list.txt mode 0666, both with umask 077)
         and enter four scores each at the same time, round after round. After every round:
         is list.txt whole, and does it hold the ten best of everything entered?

Run as root (the players run as two users it creates: vandrel-a and vandrel-b, with setpriv):
  scripts/storage-campaign.py kills --kills 300
  scripts/storage-campaign.py users --rounds 50
Prints one line per check that failed and the counts at the end; exits 1 when anything was
lost, cut or left empty.
"""

import argparse
import os
import pwd
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
USERS = ("vandrel-a", "vandrel-b")
EXAMPLE = ROOT / "tests" / "data" / "worked_example.flm"
# The worked example ends with 206 points more than its header's score.
EXAMPLE_GAIN = 206


def ensure_user(name):
    try:
        pwd.getpwnam(name)
    except KeyError:
        subprocess.run(["useradd", "--system", "--no-create-home", "--shell",
                        "/usr/sbin/nologin", name], check=True)
    entry = pwd.getpwnam(name)
    return entry.pw_uid, entry.pw_gid


def make_game(folder, score):
    """A saved game that ends with `score` points."""
    path = folder / f"ends-{score}.flm"
    text = EXAMPLE.read_bytes().replace(b"[0][10]", f"[0][{score - EXAMPLE_GAIN}]".encode(), 1)
    path.write_bytes(text)
    path.chmod(0o644)
    return path


def play_script(games, saves_to=None, saves=0):
    """Script lines that play each (file, name) to its end and enter the score."""
    lines = []
    for game, name in games:
        lines.append(f"load {game}")
        lines += [f"save {saves_to}"] * saves
        lines += ["tick water 54", "answer ok", f"answer ok {name}", "answer ok", "tick water"]
    return "".join(line + "\n" for line in lines)


def start_player(player, user, script, data_home):
    uid, gid = user
    env = {"PATH": "/usr/bin:/bin", "HOME": str(data_home), "XDG_DATA_HOME": str(data_home),
           "QT_QPA_PLATFORM": "offscreen", "LANG": "C.UTF-8"}
    process = subprocess.Popen(
        ["setpriv", f"--reuid={uid}", f"--regid={gid}", "--clear-groups", "--", str(player)],
        stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, env=env,
        preexec_fn=lambda: os.umask(0o077))
    process.stdin.write(script.encode())
    process.stdin.close()
    return process


SCORE_LINE = re.compile(rb"-?[0-9]+")


def read_list(path):
    """(whole, entries) of a list file; whole is False for a file empty, cut or malformed."""
    if not path.exists():
        return True, []
    data = path.read_bytes()
    lines = data.split(b"\r\n")
    if len(lines) != 21 or lines[-1] != b"":
        return False, []
    entries = []
    for k in range(10):
        name, score = lines[2 * k], lines[2 * k + 1]
        if not name or not SCORE_LINE.fullmatch(score):
            return False, []
        entries.append((name.decode("gb18030"), int(score)))
    return True, entries


def saved_game_whole(data):
    """Whether data is a whole saved game: a header, then 256 records each closed by CR LF."""
    return data.startswith(b"[") and data.endswith(b"\r\n") and data.count(b"\r\n") == 256


def lost_entries(before, after):
    """Entries of `before` missing from `after` that no better entry can have pushed out."""
    lowest = min((score for _, score in after), default=None)
    return [e for e in before if e not in after and (lowest is None or e[1] > lowest)]


def prepare(base, user, mode):
    base.mkdir()
    player = base / "vandrel-play"
    shutil.copy2(PLAYER, player)
    os.chown(base, *user)
    os.chown(player, *user)
    base.chmod(mode)
    return player


# A full list of ten entries the games must never lose.
OLD_LIST = b"".join(f"old-{k}\r\n{10 - k}\r\n".encode() for k in range(10))


def campaign_folders(prefix):
    """A work folder readable by every user, and its folder for the games' own files."""
    work = Path(tempfile.mkdtemp(prefix=prefix))
    work.chmod(0o755)
    games = work / "games"
    games.mkdir()
    games.chmod(0o755)
    return work, games


def kills_campaign(args, users):
    work, games = campaign_folders("vandrel-kills-")
    data = work / "data"
    data.mkdir()
    os.chown(data, *users[0])
    folder = work / "closed"
    player = prepare(folder, users[0], 0o755)
    beside = folder / "list.txt"
    saved = folder / "game.flm"
    beside.write_bytes(OLD_LIST)
    shutil.copy(EXAMPLE, saved)
    for path in (beside, saved):
        os.chown(path, *users[0])
        path.chmod(0o644)
    folder.chmod(0o555)  # the folder takes no new file; its files can be written
    beside_bytes, saved_bytes = beside.read_bytes(), saved.read_bytes()
    data_list = data / "vandrel" / "list.txt"

    def script(first):
        entered = [(make_game(games, first + k), f"k{first + k}") for k in range(3)]
        return play_script(entered, saves_to=saved, saves=3)

    started = time.monotonic()
    start_player(player, users[0], script(1000), data).wait()
    run_time = time.monotonic() - started
    counts = dict(kills=0, finished=0, beside_changed=0, beside_cut=0, saved_changed=0,
                  saved_cut=0, list_cut=0, entries_lost=0, temporaries_seen=0, failed_runs=0)
    # The list the player keeps: in the data folder, or (a player that writes in place) beside.
    in_use = lambda: data_list if data_list.exists() else beside
    _, before = read_list(in_use())
    score = 2000
    rng = random.Random(args.seed)
    while counts["kills"] < args.kills:
        process = start_player(player, users[0], script(score), data)
        score += 3
        time.sleep(rng.uniform(0, run_time * 1.1))
        if process.poll() is None:
            process.send_signal(signal.SIGKILL)
            counts["kills"] += 1
        else:
            counts["finished"] += 1
        process.wait()
        if process.returncode not in (0, -signal.SIGKILL):
            counts["failed_runs"] += 1
            print("player failed:", process.stderr.read().decode(errors="replace").strip())
        counts["beside_changed"] += beside.read_bytes() != beside_bytes
        counts["beside_cut"] += not read_list(beside)[0]
        counts["saved_changed"] += saved.read_bytes() != saved_bytes
        counts["saved_cut"] += not saved_game_whole(saved.read_bytes())
        whole, after = read_list(in_use())
        if not whole:
            counts["list_cut"] += 1
            print("list cut:", in_use().read_bytes()[:80])
            continue
        lost = lost_entries(before, after)
        if lost:
            print("entries lost:", lost)
        counts["entries_lost"] += len(lost)
        counts["temporaries_seen"] += sum(1 for p in in_use().parent.iterdir()
                                          if p.name.startswith(".vandrel-"))
        before = after
    print(f"one whole run takes {run_time:.2f} s; kills fell uniformly in 0..{run_time * 1.1:.2f} s")
    print(f"final list ({in_use()}): {before}")
    folder.chmod(0o755)
    if not args.keep:
        shutil.rmtree(work)
    report(counts, ("beside_changed", "beside_cut", "saved_changed", "saved_cut", "list_cut",
                    "entries_lost", "failed_runs"))


def users_campaign(args, users):
    work, games = campaign_folders("vandrel-users-")
    folder = work / "shared"
    player = prepare(folder, users[0], 0o777)
    shared = folder / "list.txt"
    shared.write_bytes(OLD_LIST)
    os.chown(shared, *users[0])
    shared.chmod(0o666)
    homes = []
    for user in users:
        home = work / f"home-{user[0]}"
        home.mkdir()
        os.chown(home, *user)
        homes.append(home)
    counts = dict(rounds=0, entries_entered=0, entries_lost=0, list_cut=0, failed_runs=0,
                  fallbacks=0)
    _, board = read_list(shared)
    for round_ in range(args.rounds):
        entered = []
        processes = []
        for u, user in enumerate(users):
            mine = [(make_game(games, 1000 + round_ * 100 + u * 10 + k), f"u{u}-r{round_}-{k}")
                    for k in range(args.entries)]
            entered += [(name, int(game.stem.split("-")[1])) for game, name in mine]
            processes.append(start_player(player, user, play_script(mine), homes[u]))
        for process in processes:
            process.wait(timeout=120)
            if process.returncode != 0:
                counts["failed_runs"] += 1
                print("player failed:", process.stderr.read().decode(errors="replace").strip())
        whole, after = read_list(shared)
        counts["rounds"] += 1
        counts["entries_entered"] += len(entered)
        if not whole:
            counts["list_cut"] += 1
            print(f"round {round_}: list cut:", shared.read_bytes()[:80])
            continue
        expected = sorted(board + entered, key=lambda e: -e[1])[:10]
        lost = [e for e in expected if e not in after]
        if lost:
            print(f"round {round_}: entries lost:", lost)
        counts["entries_lost"] += len(lost)
        counts["fallbacks"] += sum(1 for home in homes if (home / "vandrel").exists())
        board = after
    lock = folder / "list.txt.lock"
    if lock.exists():
        status = lock.stat()
        print(f"lock file: mode {status.st_mode & 0o777:o}, owner uid {status.st_uid}")
    print(f"final list: {board}")
    if not args.keep:
        shutil.rmtree(work)
    report(counts, ("entries_lost", "list_cut", "failed_runs", "fallbacks"))


def report(counts, bad):
    print(", ".join(f"{key} {value}" for key, value in counts.items()))
    if any(counts[key] for key in bad):
        sys.exit(1)


def main():
    global PLAYER
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("loop", choices=("kills", "users"))
    parser.add_argument("--kills", type=int, default=300)
    parser.add_argument("--rounds", type=int, default=50)
    parser.add_argument("--entries", type=int, default=4, help="scores each user enters a round")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--player", default=str(ROOT / "build" / "tools" / "vandrel-play"))
    parser.add_argument("--keep", action="store_true", help="keep the work folder")
    args = parser.parse_args()
    if os.geteuid() != 0:
        sys.exit("run as root: the players run as two other users")
    PLAYER = Path(args.player).resolve()
    users = [ensure_user(name) for name in USERS]
    (kills_campaign if args.loop == "kills" else users_campaign)(args, users)


if __name__ == "__main__":
    main()
