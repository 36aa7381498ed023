#!/usr/bin/env python3
"""Reads the list of planted faults and plants one of them in a source tree.

    faults.py list  FAULTS               names, one a line
    faults.py show  FAULTS NAME          the behaviour the fault breaks
    faults.py area  FAULTS NAME          the folder the fault lives in
    faults.py check FAULTS ROOT          whether every fault still plants exactly once
    faults.py plant FAULTS NAME ROOT     plants it; prints the file it changed, relative to ROOT

A fault is found by its code, not by a file and line: the text to replace must occur exactly
once among the sources under its folder, so that a fault follows its code when files move and
says so when the code it aims at has changed. See the head of FAULTS for the format.
"""
import pathlib
import sys

SOURCE_SUFFIXES = {'.cpp', '.h', '.rc'}


class Fault:
    def __init__(self, name):
        self.name = name
        self.fields = {}

    def field(self, key):
        if key not in self.fields:
            sys.exit('fault %s has no "%s:" line' % (self.name, key))
        return self.fields[key]


def unescape(text):
    """The list writes a line break inside a text as \\n and a backslash as \\\\."""
    out, index = [], 0
    while index < len(text):
        if text[index] == '\\' and index + 1 < len(text):
            out.append({'n': '\n', '\\': '\\'}.get(text[index + 1], '\\' + text[index + 1]))
            index += 2
        else:
            out.append(text[index])
            index += 1
    return ''.join(out)


def read_faults(path):
    faults = []
    for number, line in enumerate(pathlib.Path(path).read_text(encoding='utf-8').splitlines(), 1):
        if not line.strip() or line.lstrip().startswith('#'):
            continue
        if line.startswith('fault '):
            faults.append(Fault(line[len('fault '):].strip()))
            continue
        key, colon, value = line.strip().partition(':')
        if not colon or not faults or key not in ('behaviour', 'in', 'find', 'with'):
            sys.exit('%s:%d: not a fault line: %s' % (path, number, line))
        faults[-1].fields[key] = value[1:] if value.startswith(' ') else value
    names = [fault.name for fault in faults]
    duplicates = {name for name in names if names.count(name) > 1}
    if duplicates:
        sys.exit('faults named twice: ' + ', '.join(sorted(duplicates)))
    return faults


def by_name(faults, name):
    for fault in faults:
        if fault.name == name:
            return fault
    sys.exit('no fault named ' + name)


def locate(fault, root):
    """The one file under the fault's folder that holds its text once, or an error text."""
    find = unescape(fault.field('find'))
    folder = pathlib.Path(root) / fault.field('in')
    hits = []
    for path in sorted(folder.rglob('*')):
        if path.suffix in SOURCE_SUFFIXES and path.is_file():
            count = path.read_text(encoding='utf-8').count(find)
            if count:
                hits.append((path, count))
    if len(hits) != 1 or hits[0][1] != 1:
        where = ', '.join('%s (%d)' % (path.relative_to(root), count) for path, count in hits)
        return None, 'its text occurs %s under %s/' % (where or 'nowhere', fault.field('in'))
    return hits[0][0], None


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    command, faults = sys.argv[1], read_faults(sys.argv[2])
    if command == 'list':
        print('\n'.join(fault.name for fault in faults))
    elif command in ('show', 'area'):
        print(by_name(faults, sys.argv[3]).field('behaviour' if command == 'show' else 'in'))
    elif command == 'check':
        stale = 0
        for fault in faults:
            path, error = locate(fault, sys.argv[3])
            if error:
                print('%s: %s' % (fault.name, error))
                stale += 1
        sys.exit(1 if stale else 0)
    elif command == 'plant':
        fault, root = by_name(faults, sys.argv[3]), sys.argv[4]
        path, error = locate(fault, root)
        if error:
            sys.exit('%s: %s' % (fault.name, error))
        text = path.read_text(encoding='utf-8')
        path.write_text(text.replace(unescape(fault.field('find')),
                                     unescape(fault.field('with'))), encoding='utf-8')
        print(path.relative_to(root))
    else:
        sys.exit(__doc__)


if __name__ == '__main__':
    main()
