#!/usr/bin/env python3
"""Reads the version resource of Windows executables (32- or 64-bit) the way Windows finds it
for the file's properties, and prints it; with --expect-version and --expect-product it also
checks it: the product name, the file description naming the program (the file's name without
.exe), the original file name, and the version in the string table and in the fixed numbers.

    version_info.py [--expect-version 1.0.0 --expect-product NAME] PROGRAM.exe...

Exit code 1 when a file has no readable version resource or does not match what is expected.
"""

import argparse
import os
import struct
import sys

RT_VERSION = 16
FIXED_INFO_SIGNATURE = 0xFEEF04BD


class NoVersionInfo(Exception):
    pass


def align4(offset):
    return (offset + 3) & ~3


def version_resource(image):
    """The bytes of the first RT_VERSION resource of a PE image."""
    if image[:2] != b'MZ':
        raise NoVersionInfo('not an executable')
    pe = struct.unpack_from('<I', image, 0x3C)[0]
    if image[pe:pe + 4] != b'PE\0\0':
        raise NoVersionInfo('no PE header')
    sections, optional_size = struct.unpack_from('<H12xH', image, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from('<H', image, optional)[0]
    directories = optional + {0x10B: 96, 0x20B: 112}[magic]
    resource_rva, resource_size = struct.unpack_from('<II', image, directories + 2 * 8)
    if resource_size == 0:
        raise NoVersionInfo('no resources')

    section_table = optional + optional_size

    def file_offset(rva):
        for index in range(sections):
            virtual_size, address, raw_size, raw_offset = struct.unpack_from(
                '<IIII', image, section_table + 40 * index + 8)
            if address <= rva < address + max(virtual_size, raw_size):
                return raw_offset + rva - address
        raise NoVersionInfo(f'address {rva:#x} lies in no section')

    root = file_offset(resource_rva)

    def entries(directory):
        named, numbered = struct.unpack_from('<HH', image, root + directory + 12)
        for index in range(named + numbered):
            name, target = struct.unpack_from('<II', image, root + directory + 16 + 8 * index)
            yield name, target

    # Type, then name, then language; the first name and language serve.
    node = next((target for name, target in entries(0) if name == RT_VERSION), None)
    if node is None:
        raise NoVersionInfo('no version resource')
    while node & 0x80000000:
        node = next(entries(node & 0x7FFFFFFF))[1]
    data_rva, size = struct.unpack_from('<II', image, root + node)
    start = file_offset(data_rva)
    return image[start:start + size]


def parse_block(data, offset):
    """One block of a version resource: (key, value bytes, value is text, children, end)."""
    length, value_length, is_text = struct.unpack_from('<HHH', data, offset)
    end = offset + length
    key_end = offset + 6
    while data[key_end:key_end + 2] != b'\0\0':
        key_end += 2
    key = data[offset + 6:key_end].decode('utf-16-le')
    position = align4(key_end + 2)
    value_size = value_length * 2 if is_text else value_length
    value = data[position:position + value_size]
    position = align4(position + value_size)
    children = []
    while position < end:
        child = parse_block(data, position)
        children.append(child)
        position = align4(child[4])
    return key, value, is_text, children, end


def read_version_info(path):
    """The strings of the version resource and the fixed file and product versions."""
    with open(path, 'rb') as executable:
        data = version_resource(executable.read())
    key, fixed, _, children, _ = parse_block(data, 0)
    if key != 'VS_VERSION_INFO' or len(fixed) < 52:
        raise NoVersionInfo('malformed version resource')
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from('<6I', fixed)
    if signature != FIXED_INFO_SIGNATURE:
        raise NoVersionInfo('malformed fixed version information')
    info = {
        'file version': f'{file_ms >> 16}.{file_ms & 0xFFFF}.{file_ls >> 16}.{file_ls & 0xFFFF}',
        'product version':
            f'{product_ms >> 16}.{product_ms & 0xFFFF}.{product_ls >> 16}.{product_ls & 0xFFFF}',
    }
    for child_key, _, _, tables, _ in children:
        if child_key == 'StringFileInfo':
            for _, _, _, strings, _ in tables[:1]:
                for name, value, _, _, _ in strings:
                    info[name] = value.decode('utf-16-le').rstrip('\0')
    return info


def mismatches(path, info, version, product):
    program = os.path.splitext(os.path.basename(path))[0]
    expected = {
        'ProductName': product,
        'FileDescription': program,
        'OriginalFilename': program + '.exe',
        'FileVersion': version,
        'ProductVersion': version,
        'file version': version + '.0',
        'product version': version + '.0',
    }
    return [f'{name} is "{info.get(name)}", expected "{value}"'
            for name, value in expected.items() if info.get(name) != value]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--expect-version')
    parser.add_argument('--expect-product')
    parser.add_argument('programs', nargs='+')
    options = parser.parse_args()
    status = 0
    for path in options.programs:
        try:
            info = read_version_info(path)
        except (NoVersionInfo, struct.error, KeyError, StopIteration) as error:
            print(f'{path}: no readable version resource: {error}')
            status = 1
            continue
        print(f'{os.path.basename(path)}: ' + ', '.join(f'{name} "{value}"'
                                                        for name, value in info.items()))
        if options.expect_version:
            for problem in mismatches(path, info, options.expect_version, options.expect_product):
                print(f'{path}: {problem}')
                status = 1
    return status


if __name__ == '__main__':
    sys.exit(main())
