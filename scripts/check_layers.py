#!/usr/bin/env python3
# Fails on every #include "..." under a source tree that goes against the declared layer order.
"""Usage: check_layers.py SRC_DIR --layers "bytes platform ..." [--standalone "effects_library ..."]

A file in a layer folder may include headers of its own folder and of the folders
declared before it. A standalone folder includes nothing of the engine. The platform
back ends (platform/sdl, platform/headless) are included only by themselves and by the
program entry points (files ending in _main.cpp). Every folder of SRC_DIR must be declared.
Each offence is printed as file:line with the layers involved; the exit status is 1
when there is any.
"""
import argparse
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCE_SUFFIXES = {".h", ".hpp", ".c", ".cc", ".cpp"}
BACKENDS = ("platform/sdl/", "platform/headless/")


def backend_of(path):
    """The platform back end a path inside the tree belongs to, or None."""
    return next((b for b in BACKENDS if path.startswith(b)), None)


def offence(source, target, rank, standalone):
    """Why `source` (a path relative to the tree) may not include `target`, or None."""
    folder = source.split("/", 1)[0]
    target_folder = target.split("/", 1)[0]
    if folder in standalone:
        if target_folder != folder and (target_folder in rank or target_folder in standalone):
            return f"{folder} stands alone and may not include {target_folder}"
        return None
    if target_folder in standalone:
        return f"{target_folder} stands alone; {folder} may not include it"
    if target_folder not in rank:
        return None  # a header from outside the tree (a public header or a library)
    if rank[target_folder] > rank[folder]:
        return f"{folder} may not include {target_folder}, a layer above it"
    wanted = backend_of(target)
    if wanted and backend_of(source) != wanted and not source.endswith("_main.cpp"):
        return f"only {wanted.rstrip('/')} and program entry points may include {wanted.rstrip('/')}"
    return None


def check(root, layers, standalone):
    rank = {name: index for index, name in enumerate(layers)}
    problems = []
    for folder in sorted(p for p in root.iterdir() if p.is_dir()):
        if folder.name not in rank and folder.name not in standalone:
            problems.append(f"{folder}: folder {folder.name} is not a declared layer")
    for path in sorted(root.rglob("*")):
        if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
            continue
        source = path.relative_to(root).as_posix()
        if "/" not in source:
            problems.append(f"{path}: source files belong in a layer folder")
            continue
        lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
        for number, line in enumerate(lines, start=1):
            match = INCLUDE.match(line)
            if not match or "/" not in match.group(1):
                continue  # a header next to the file
            reason = offence(source, match.group(1), rank, standalone)
            if reason:
                problems.append(f'{path}:{number}: includes "{match.group(1)}": {reason}')
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("root", type=pathlib.Path)
    parser.add_argument("--layers", required=True, help="layer folders from the bottom, separated by blanks or ;")
    parser.add_argument("--standalone", default="", help="folders that include nothing of the engine")
    args = parser.parse_args()
    split = lambda text: [word for word in re.split(r"[\s;]+", text) if word]
    problems = check(args.root, split(args.layers), set(split(args.standalone)))
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} include(s) against the layer order", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
