#!/usr/bin/env python3
"""Size of the Windows program: pipeweight.exe, the installer and the .zip of a Windows build,
the empty window linked against the same Qt (the yardstick: what any static Qt Widgets program
weighs), and from the program's link map the largest contributors, by archive and by object,
and the weight of the groups of Qt's objects that the build's Qt configuration leaves out.
Last, what those groups, and those the program does not use but keeps, weigh in the last
build's installer (installerweight.py).

    bench/windows/size.py [Windows build folder]... (default: build-windows)

Each folder must be built by this tree (its link map is app/pipeweight.map); the packages are
made anew with CPack and the yardstick is built into <build>/bare-window. With two folders
(say, this tree built against another Qt: cmake --preset windows -B <folder>
-DCMAKE_FIND_ROOT_PATH=<its libraries>), the groups are printed side by side."""

import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import linkmap  # noqa: E402
from installerweight import InstallerWeight  # noqa: E402

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# What each of the Qt configuration's levers removes, by the objects that carry it (a link
# map names objects, not features). An object counts in the first group it matches.
GROUPS = [
    ("style sheets and the CSS parser", r"qstylesheetstyle|qcssparser|qcssutil"),
    ("graphics view and effects", r"qgraphics|qpixmapfilter"),
    ("Markdown reader and writer", r"qtextmarkdown|md4c"),
    ("ODF writer, zip, XML stream", r"qtextodfwriter|qzip|qxmlstream|qxmlutils"),
    ("MIME database", r"qmime"),
    ("Fusion style", r"qfusionstyle"),
    ("Vista style plugin", r"qwindowsvistastyle|qwindowsxpstyle|modernwindowsstyle"),
    ("GIF, PPM, XBM, QMovie", r"qgif|qppmhandler|qxbmhandler|qmovie"),
    ("QPicture, PDF", r"qpicture|qpaintengine_pic|qpdf"),
    ("OpenGL", r"qopengl|qwindowsgl|qwindowsopengl|qwindowseglcontext|qrhigles2|qplatformopengl"),
    ("time zones", r"qtimezone"),
    ("calendars besides the Gregorian", r"qhijricalendar|qjalalicalendar|qislamiccivilcalendar"),
    ("animations", r"qabstractanimation|qvariantanimation|qpropertyanimation|qanimationgroup"
     r"|qsequentialanimationgroup|qparallelanimationgroup|qpauseanimation|qstyleanimation"
     r"|qwidgetanimator"),
    ("file system watcher", r"qfilesystemwatcher"),
    ("cryptographic hashes (SHA-3 unrolled or compact)", r"qcryptographichash"),
    ("unused widgets, dialogs and models",
     r"qtreewidget|qlistwidget|qtablewidget|qcommandlinkbutton|qdatetimeedit|qcalendarwidget"
     r"|qtextbrowser|qtextedit|qplaintextedit|qsplashscreen|qsplitter|qlcdnumber|qspinbox"
     r"|qabstractspinbox|qtabbar|qtabwidget|qstackedwidget|qstackedlayout|qfontcombobox"
     r"|qtoolbutton|qtoolbar|qtoolbox|qgroupbox|qbuttongroup|qmainwindow|qdockwidget"
     r"|qdockarealayout|qmdiarea|qmdisubwindow|qwidgetresizehandler|qstatusbar|qmenubar"
     r"|qprogressbar|qdial|qscroller|qflickgesture|qrubberband|qsizegrip|qkeysequenceedit"
     r"|qformlayout|qcolordialog|qfiledialog|qfontdialog|qprogressdialog|qinputdialog"
     r"|qerrormessage|qwizard|qtableview|qtreeview|qheaderview|qdatawidgetmapper|qcolumnview"
     r"|qsyntaxhighlighter|qundo|qfilesystemmodel|qfileinfogatherer|qfscompleter|qsidebar"
     r"|qsystemtrayicon|qdesktopservices"),
    ("the embedded pictures (rcc)", r"qrc_pictures"),
]

# What the program does not use and Qt 6.4 has no working option for (scripts/windows-libraries
# says why each stays).
LEFT_IN = [
    ("regular expressions and PCRE2", r"pcre2_|qregularexpression"),
    ("the styles' standard pictures", r"qrc_qstyle"),
    ("the drawing back end (QRhi, Direct3D 11, hashes)",
     r"qrhi|qshader|qbackingstorerhi|qcryptographichash|qrc_gui_shaders"),
]


def megabytes(size):
    return f"{size / 1e6:6.2f} MB"


def cache_value(build, name):
    with open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8") as cache:
        for line in cache:
            if line.startswith(name + ":"):
                return line.split("=", 1)[1].strip()
    raise RuntimeError(f"{build}: no {name} in CMakeCache.txt")


def quiet(command):
    result = subprocess.run(command, capture_output=True, text=True)
    if result.returncode != 0:
        sys.stderr.write(result.stdout + result.stderr)
        raise RuntimeError(f"failed: {' '.join(command)}")


def packages(build):
    """(installer, zip) of the build, made anew."""
    quiet(["cpack", "--config", os.path.join(build, "CPackConfig.cmake")])
    folder = os.path.join(build, "packages")
    found = {}
    for name in os.listdir(folder):
        if name.endswith("-windows-x64.exe") or name.endswith("-windows-x64.zip"):
            found[name[-3:]] = os.path.getsize(os.path.join(folder, name))
    return found["exe"], found["zip"]


def yardstick(build):
    """(size, link map) of the empty window built against the build's Qt."""
    folder = os.path.join(build, "bare-window")
    # Configured anew each time: CMake would keep the Qt it found before, though the build's
    # own has changed since.
    quiet(["cmake", "--fresh", "-S", os.path.join(SOURCE, "bench", "windows", "yardstick"),
           "-B", folder, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=MinSizeRel",
           "-DCMAKE_TOOLCHAIN_FILE=" + os.path.join(SOURCE, "cmake", "windows", "mingw-w64.cmake"),
           "-DCMAKE_FIND_ROOT_PATH=" + cache_value(build, "CMAKE_FIND_ROOT_PATH")])
    quiet(["cmake", "--build", folder])
    return (os.path.getsize(os.path.join(folder, "bare_window.exe")),
            linkmap.object_sizes(os.path.join(folder, "bare_window.map")))


def grouped(sizes):
    totals = {name: 0 for name, _ in GROUPS}
    patterns = [(name, re.compile(pattern)) for name, pattern in GROUPS]
    for (_, member), size in sizes.items():
        for name, pattern in patterns:
            if pattern.search(member):
                totals[name] += size
                break
    return totals


def qt_name(build):
    """The Qt folder the build links, as the cache names it (version and recipe hash)."""
    for path in cache_value(build, "CMAKE_FIND_ROOT_PATH").split(";"):
        if os.path.basename(path).startswith("qtbase-"):
            return os.path.basename(path)
    return "?"


def report(build):
    program = os.path.join(build, "bin", "pipeweight.exe")
    map_path = os.path.join(build, "app", "pipeweight.map")
    if not os.path.exists(map_path):
        raise RuntimeError(f"{map_path} is missing: build {build} with this tree")
    sizes = linkmap.object_sizes(map_path)
    installer, archive = packages(build)
    bare_size, bare_sizes = yardstick(build)
    print(f"== {build} (Qt: {qt_name(build)})")
    print(f"pipeweight.exe    {megabytes(os.path.getsize(program))}")
    print(f"installer         {megabytes(installer)}")
    print(f".zip              {megabytes(archive)}")
    print(f"empty window .exe {megabytes(bare_size)}")
    print(f"\nLargest contributors to pipeweight.exe, from its link map (of "
          f"{megabytes(sum(sizes.values())).strip()} in objects; the empty window's in brackets):")
    bare_archives = linkmap.by_archive(bare_sizes)
    for archive, size in sorted(linkmap.by_archive(sizes).items(), key=lambda item: -item[1])[:12]:
        print(f"  {megabytes(size)}  ({megabytes(bare_archives.get(archive, 0))})  {archive}")
    print("Largest objects:")
    for (archive, member), size in sorted(sizes.items(), key=lambda item: -item[1])[:15]:
        print(f"  {megabytes(size)}  {archive}({member})")
    return grouped(sizes)


def installer_weights(build, groups):
    """Each group's weight in the installer of the build's program (installerweight.py), for
    the groups it has and those left in."""
    weight = InstallerWeight(os.path.join(build, "bin", "pipeweight.exe"),
                             os.path.join(build, "app", "pipeweight.map"),
                             cache_value(build, "CMAKE_OBJDUMP"))
    print(f"\nWhat they weigh in {build}'s installer (its program compressed as the installer "
          "compresses it, with and without their bytes):")
    for name, pattern in GROUPS:
        # Below 5 kB a group's weight drowns in the compressor's noise.
        if groups[name] >= 5000:
            print(f"  {megabytes(weight.of(re.compile(pattern)))}  {name}")
    for name, pattern in LEFT_IN:
        print(f"  {megabytes(weight.of(re.compile(pattern)))}  {name} (left in)")


def main():
    builds = sys.argv[1:] or ["build-windows"]
    groups = [report(build) for build in builds]
    print("\nWhat the objects of each group weigh in pipeweight.exe:")
    print("  " + "  ".join(f"{os.path.basename(os.path.normpath(b)):>16}" for b in builds))
    for name, _ in GROUPS:
        print("  " + "  ".join(f"{megabytes(g[name]):>16}" for g in groups) + f"  {name}")
    installer_weights(builds[-1], groups[-1])


if __name__ == "__main__":
    main()
