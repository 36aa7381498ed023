#!/usr/bin/env python3
"""Writes a release archive: the given programs and README.txt, filled in from the read-me
template with the version and the commit the sources come from.

    make_release_archive.py --output ZIP --readme TEMPLATE --version VERSION --source-dir DIR
                            PROGRAM.exe...

The archive is the same bytes whenever it is made from the same files and commit: the entries
are sorted by name and carry fixed permissions and the commit's time (or SOURCE_DATE_EPOCH when
set), never the time of the build. Outside a git checkout the read-me says the commit is unknown,
and a tree with changes is named as the commit it started from, "(modified)".
"""

import argparse
import os
import subprocess
import sys
import time
import zipfile

# Zip times start in 1980.
EARLIEST_ZIP_TIME = 315532800


def git(source_dir, *arguments):
    """The output of a git command in the source tree, or None when there is no git answer."""
    try:
        result = subprocess.run(['git', '-C', source_dir, *arguments], capture_output=True,
                                text=True, check=True)
    except (OSError, subprocess.CalledProcessError):
        return None
    return result.stdout.strip()


def describe_commit(source_dir):
    commit = git(source_dir, 'rev-parse', '--short=12', 'HEAD')
    if not commit:
        return 'unknown (not built from a git checkout)'
    changes = git(source_dir, 'status', '--porcelain')
    return commit + (' (modified)' if changes else '')


def entry_time(source_dir):
    """The time every entry carries: SOURCE_DATE_EPOCH, else the commit's, else 1980."""
    epoch = os.environ.get('SOURCE_DATE_EPOCH') or git(source_dir, 'log', '-1', '--format=%ct')
    seconds = int(epoch) if epoch and epoch.isdigit() else EARLIEST_ZIP_TIME
    return time.gmtime(max(seconds, EARLIEST_ZIP_TIME))[:6]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--output', required=True)
    parser.add_argument('--readme', required=True)
    parser.add_argument('--version', required=True)
    parser.add_argument('--source-dir', required=True)
    parser.add_argument('programs', nargs='+')
    options = parser.parse_args()

    with open(options.readme, encoding='utf-8') as template:
        readme = template.read()
    readme = readme.replace('@VERSION@', options.version)
    readme = readme.replace('@COMMIT@', describe_commit(options.source_dir))
    # A read-me for Windows: CRLF line ends.
    entries = {'README.txt': (readme.replace('\n', '\r\n').encode('utf-8'), 0o644)}
    for program in options.programs:
        with open(program, 'rb') as executable:
            entries[os.path.basename(program)] = (executable.read(), 0o755)

    date_time = entry_time(options.source_dir)
    partial = options.output + '.partial'
    with zipfile.ZipFile(partial, 'w') as archive:
        for name in sorted(entries):
            data, mode = entries[name]
            info = zipfile.ZipInfo(name, date_time)
            info.create_system = 3  # Unix, so that the permissions below are read
            info.external_attr = (0o100000 | mode) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, data, compresslevel=9)
    os.replace(partial, options.output)
    print(f'written: {options.output} ({len(entries) - 1} programs, '
          f'entries dated {time.strftime("%Y-%m-%d %H:%M:%S", date_time + (0, 0, 0))} UTC)')


if __name__ == '__main__':
    sys.exit(main())
