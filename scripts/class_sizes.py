#!/usr/bin/env python3
"""The size of every class of src/: the lines of its declaration and of its member functions
wherever they are defined, its methods, and the public data members of the scenes.

    scripts/class_sizes.py [--top N] [--check] [SRC]

--check exits 1 naming each class over 800 lines or 60 methods, and each scene with public data
members. Reads the sources as text: it relies on the code's own layout (clang-format), not on a
compiler.
"""
import argparse
import os
import re
import sys

MAX_LINES = 800
MAX_METHODS = 60

CLASS_HEAD = re.compile(r'^\s*(class|struct)\s+(T[A-Za-z0-9_]+)\b[^;]*$')
ACCESS = re.compile(r'^\s*(public|private|protected)\s*:')
DEFINITION = re.compile(r'^[^\s#/].*?\b(T[A-Za-z0-9_]+)::(~?[A-Za-z0-9_]+|operator\S+)\s*\(')


def strip_comment(line):
    """The line without its // comment and without string contents."""
    line = re.sub(r'"(\\.|[^"\\])*"', '""', line)
    line = re.sub(r"'(\\.|[^'\\])*'", "''", line)
    at = line.find('//')
    return line if at < 0 else line[:at]


def block_end(lines, start):
    """The index of the line that closes the first brace opened at or after start."""
    depth = 0
    opened = False
    for index in range(start, len(lines)):
        code = strip_comment(lines[index])
        for char in code:
            if char == '{':
                depth += 1
                opened = True
            elif char == '}':
                depth -= 1
                if opened and depth == 0:
                    return index
        if not opened and code.rstrip().endswith(';'):
            return None
    return None


class ClassSize:
    def __init__(self, name, path):
        self.name = name
        self.path = path
        self.lines = 0
        self.methods = set()
        self.public_data = []

    def is_scene(self):
        return self.name.endswith('Scene')


def member_declarations(lines, start, end, size, kind):
    """Methods and public data members of a class body (its own level only)."""
    access = 'public' if kind == 'struct' else 'private'
    depth = 0
    statement = ''
    for index in range(start + 1, end):
        code = strip_comment(lines[index])
        match = ACCESS.match(code)
        if depth == 0 and match:
            access = match.group(1)
            continue
        if depth == 0:
            statement += ' ' + code.strip()
        opened = code.count('{')
        closed = code.count('}')
        if depth == 0 and (statement.rstrip().endswith(';') or opened > 0):
            declare(statement, size, access)
            statement = ''
        depth += opened - closed
        if depth < 0:
            depth = 0
        if depth == 0 and closed > 0 and opened < closed:
            statement = ''


def declare(statement, size, access):
    text = statement.strip()
    if not text or text.startswith(('using ', 'friend ', 'static_assert', 'typedef', 'enum ',
                                     'class ', 'struct ', 'template', '#')):
        return
    head = text.split('{')[0]
    name = re.search(r'(~?[A-Za-z_][A-Za-z0-9_]*|operator\s*\S+?)\s*\(', head)
    is_function = name is not None and '=' not in head.split('(')[0]
    if is_function:
        method = name.group(1)
        if method not in ('std', 'decltype', 'alignas') and not method.startswith('On'):
            size.methods.add(method + head[head.index('('):].split(')')[0].count(',').__str__()
                             + head)
        return
    if access == 'public' and not text.startswith(('static constexpr', 'constexpr',
                                                   'static inline')):
        member = re.search(r'([A-Za-z_][A-Za-z0-9_]*)\s*(=|\{|;|\[)', head)
        if member and not head.lstrip().startswith('std::function'):
            size.public_data.append(member.group(1))


def read(path):
    with open(path, encoding='latin-1') as handle:
        return handle.read().split('\n')


def measure(src):
    classes = {}
    files = []
    for root, _, names in os.walk(src):
        for name in sorted(names):
            if name.endswith(('.h', '.cpp')):
                files.append(os.path.join(root, name))
    for path in files:
        lines = read(path)
        for index, line in enumerate(lines):
            match = CLASS_HEAD.match(line)
            if not match or line.rstrip().endswith(';'):
                continue
            end = block_end(lines, index)
            if end is None:
                continue
            size = classes.setdefault(match.group(2), ClassSize(match.group(2), path))
            size.lines += end - index + 1
            member_declarations(lines, index, end, size, match.group(1))
    for path in files:
        if not path.endswith('.cpp'):
            continue
        lines = read(path)
        index = 0
        while index < len(lines):
            match = DEFINITION.match(lines[index])
            if match and match.group(1) in classes:
                end = block_end(lines, index)
                if end is not None:
                    classes[match.group(1)].lines += end - index + 1
                    index = end + 1
                    continue
            index += 1
    return classes


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('src', nargs='?', default=os.path.join(os.path.dirname(__file__), '..',
                                                                'src'))
    parser.add_argument('--top', type=int, default=15)
    parser.add_argument('--check', action='store_true')
    options = parser.parse_args()
    classes = measure(options.src)
    ranked = sorted(classes.values(), key=lambda c: c.lines, reverse=True)
    print(f'{"class":32} {"lines":>6} {"methods":>8}  public data (scenes)')
    for size in ranked[:options.top]:
        data = ', '.join(size.public_data) if size.is_scene() else ''
        print(f'{size.name:32} {size.lines:6} {len(size.methods):8}  {data}')
    print(f'{len(classes)} classes; the largest has {ranked[0].lines} lines and the most methods '
          f'{max(len(c.methods) for c in ranked)}')
    if not options.check:
        return 0
    faults = []
    for size in ranked:
        if size.lines > MAX_LINES:
            faults.append(f'{size.name}: {size.lines} lines (at most {MAX_LINES})')
        if len(size.methods) > MAX_METHODS:
            faults.append(f'{size.name}: {len(size.methods)} methods (at most {MAX_METHODS})')
        if size.is_scene() and size.public_data:
            faults.append(f'{size.name}: public data members {", ".join(size.public_data)}')
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
