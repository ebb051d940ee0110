"""Instruction counts to the first frame, under callgrind, for the start-up benchmark.

The frame probe calls residentMemory() once, the moment the first frame is out, and nothing
else calls it: callgrind dumps its counts as that call begins (--dump-before), so the dump
holds exactly the instructions from the process's first one to the end of the first frame,
and what the probe and the program do afterwards (printing, ending) is left out. Probes built
before this script existed end at the same call, so an earlier build is counted alike.
Every thread's instructions are counted, the main thread's and those Qt starts beside it: its
X event reader, its D-Bus connection, and the thread pool in which it converts and draws large
images (a count of the main thread alone would call such work free). How much of the D-Bus
thread's work falls before the frame depends on how the threads are scheduled: the count repeats
within about 0.3 %."""

import os
import re
import subprocess
import tempfile
from collections import Counter, defaultdict

# Where the instructions go, as rows that may overlap: a row counts each call into any of its
# functions from outside them, with everything that call ran.
COST_CENTRES = [
    ("fontconfig's start (FcInit: its XML configuration)", ["FcInit"]),
    ("font engines (QFontDatabasePrivate::loadEngine)", ["QFontDatabasePrivate::loadEngine"]),
    ("fontconfig substitution (FcConfigSubstitute)", ["FcConfigSubstitute"]),
    ("fallback search (QFontconfigDatabase::fallbacksForFamily)",
     ["QFontconfigDatabase::fallbacksForFamily"]),
    ("text shaping (QTextEngine::shape)", ["QTextEngine::shape"]),
    ("glyph loading (QFontEngineFT::loadGlyph)", ["QFontEngineFT::loadGlyph"]),
    ("text drawing (QPainter::drawText)", ["QPainter::drawText", "QPainter::drawTextItem"]),
    # A transparent bitmap is decoded and keyed in one pass (decodeKeyedBitmap); other
    # pictures are keyed after Qt's reader decodes them.
    ("bitmap decoding (pictures::decode*Bitmap)",
     ["pictures::decodeBitmap", "pictures::decodeKeyedBitmap"]),
    ("key colours (pictures::withKeyColourDropped)", ["pictures::withKeyColourDropped"]),
    ("Qt's image reader (QImageReader::read)", ["QImageReader::read"]),
    # The Windows style draws much through QCommonStyle, its base.
    ("the Windows style's drawing (QWindowsStyle::draw*)",
     [f"{style}::draw{what}" for style in ("QWindowsStyle", "QCommonStyle")
      for what in ("Primitive", "Control", "ComplexControl")]),
    ("the calculator window's creation (TForm1::TForm1)", ["TForm1::TForm1"]),
    ("the gallery window's creation (TForm3::TForm3)", ["TForm3::TForm3"]),
    ("painting the frame (QWidgetRepaintManager::paintAndFlush)",
     ["QWidgetRepaintManager::paintAndFlush"]),
]

_NAME = re.compile(r"^\((\d+)\)(?: (.*))?$")
# Callgrind names the deeper levels of a recursion apart ("f'2"): one function here.
_RECURSION = re.compile(r"'\d+$")


class Profile:
    """One callgrind dump: its total, each function's own instructions and the instructions
    of its calls to each other function (functions named with their object file)."""

    def __init__(self, path):
        self.total = 0
        self.program = None
        self.own = Counter()
        self.calls = Counter()
        # Compressed names: "(id) name" where first written, "(id)" after.
        names = {"ob": {}, "fn": {}}
        kinds = {"ob": "ob", "cob": "ob", "fn": "fn", "cfn": "fn"}
        obj = function = callee_obj = callee = None
        call_cost_next = False
        with open(path, encoding="utf-8", errors="replace") as profile:
            for line in profile:
                line = line.rstrip("\n")
                key, equals, value = line.partition("=")
                if equals and key in kinds:
                    table = names[kinds[key]]
                    match = _NAME.match(value)
                    if match:
                        if match.group(2) is not None:
                            table[match.group(1)] = match.group(2)
                        value = table.get(match.group(1), "?")
                    if key == "ob":
                        obj = value
                    elif key == "fn":
                        function = (_RECURSION.sub("", value), os.path.basename(obj))
                    elif key == "cob":
                        callee_obj = value
                    else:
                        callee = (_RECURSION.sub("", value), os.path.basename(callee_obj or obj))
                elif equals and key == "calls":
                    # The next cost line is the calls' inclusive cost.
                    call_cost_next = True
                elif line.startswith("cmd:"):
                    self.program = os.path.basename(line.split()[1])
                elif line.startswith("summary:"):
                    self.total = int(line.split()[1])
                elif line and (line[0].isdigit() or line[0] in "+-*"):
                    # A position (line number), then the instruction count.
                    fields = line.split()
                    cost = int(fields[1]) if len(fields) > 1 else 0
                    if not call_cost_next:
                        self.own[function] += cost
                    elif callee != function:
                        self.calls[(function, callee)] += cost
                    if call_cost_next:
                        call_cost_next = False
                        callee_obj = None

    def inclusive(self, names):
        """Instructions run inside any of the named functions (qualified names without their
        arguments), each call from outside them counted once. A function that the others
        reach through a function not named is counted again there."""
        def named(function):
            return function[0].split("(")[0] in names

        return sum(cost for (caller, callee), cost in self.calls.items()
                   if named(callee) and not named(caller))

    def by_object(self):
        """Instructions by object file, the program's own file under one name in every
        build."""
        objects = defaultdict(int)
        for (_, obj), cost in self.own.items():
            objects["the program" if obj == self.program else obj] += cost
        return objects


def count(executable):
    """Runs the program under callgrind and returns its Profile to the end of its first
    frame."""
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "callgrind.out")
        # Valgrind runs the program in its own process, so the pid names the program's dumps
        # (a child forked without exec, as D-Bus's autolaunch is, writes dumps of its own).
        run = subprocess.Popen(
            ["valgrind", "--tool=callgrind", "--dump-before=residentMemory*",
             f"--callgrind-out-file={out}.%p", executable],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        _, errors = run.communicate(timeout=900)
        # The first part: to the frame.
        dump = f"{out}.{run.pid}.1"
        if not os.path.exists(dump):
            raise RuntimeError(f"{executable} reached no first frame under callgrind:\n"
                               f"{errors[-2000:]}")
        return Profile(dump)
