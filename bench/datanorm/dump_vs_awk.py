#!/usr/bin/env python3
"""Full dump of a large DATANORM file by velmora-datanorm against the floor of one awk pass.

Generates a file of ARTICLES new-article records (default 411000) by repeating the article
records of a real file (each A record with the lines that follow it up to the next A record,
flag set to N, a new article number), runs `velmora-datanorm FILE` and
`awk -F';' '$1=="A"{print $3}' FILE` interleaved RUNS times, and prints the medians, their
ratio and the tool's peak memory (ru_maxrss of the child).

    bench/datanorm/dump_vs_awk.py VELMORA_DATANORM SOURCE [--articles N] [--runs N]
        [--compare OTHER_VELMORA_DATANORM]

With --compare the other build's dump runs too (interleaved) and must print the same bytes.
"""
import argparse
import hashlib
import os
import statistics
import subprocess
import sys
import tempfile
import time


def article_blocks(source):
    """Lines of the source file grouped as (A line, following non-A lines), header apart."""
    with open(source, 'rb') as f:
        lines = [l for l in f.read().replace(b'\r\n', b'\n').replace(b'\r', b'\n').split(b'\n') if l]
    header, blocks = lines[0], []
    for line in lines[1:]:
        if line.startswith(b'A;'):
            blocks.append([line])
        elif blocks and line[:1] != b'\x1a':
            blocks[-1].append(line)
    return header, blocks


def renumbered(line, number):
    fields = line.split(b';')
    if len(fields) > 3:
        fields[1] = b'N'
        fields[2] = number
    return b';'.join(fields)


def write_file(path, source, articles):
    header, blocks = article_blocks(source)
    if not blocks:
        sys.exit('the source file has no article record')
    with open(path, 'wb') as out:
        out.write(header + b'\r\n')
        for i in range(articles):
            number = b'G%07d' % i
            for line in blocks[i % len(blocks)]:
                out.write(renumbered(line, number) + b'\r\n')


def run(command, output_path):
    """Wall seconds and peak resident kilobytes of one child; its output goes to a file."""
    with open(output_path, 'wb') as out:
        start = time.perf_counter()
        child = subprocess.Popen(command, stdout=out, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        seconds = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit('failed: ' + ' '.join(command))
    return seconds, usage.ru_maxrss


def digest(path):
    # In blocks: the children's peak memory starts from this process's size when forked.
    sha = hashlib.sha256()
    with open(path, 'rb') as f:
        for block in iter(lambda: f.read(1 << 20), b''):
            sha.update(block)
    return sha.hexdigest()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('tool')
    parser.add_argument('source')
    parser.add_argument('--articles', type=int, default=411000)
    parser.add_argument('--runs', type=int, default=3)
    parser.add_argument('--compare')
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as work:
        # The extension keeps the source's version: a DATANORM 4 file needs one.
        name = 'Datanorm' + (os.path.splitext(args.source)[1] or '.001')
        path = os.path.join(work, name)
        write_file(path, args.source, args.articles)
        print(f'{path}: {os.path.getsize(path) / 1e6:.1f} MB, {args.articles} articles')
        commands = {'awk': ['awk', '-F;', '$1=="A"{print $3}', path], 'dump': [args.tool, path]}
        if args.compare:
            commands['other dump'] = [args.compare, path]
        times = {name: [] for name in commands}
        memory = {name: 0 for name in commands}
        digests = {}
        for _ in range(args.runs):
            for name, command in commands.items():
                output = os.path.join(work, name.replace(' ', '-') + '.out')
                seconds, kilobytes = run(command, output)
                times[name].append(seconds)
                memory[name] = max(memory[name], kilobytes)
                digests[name] = digest(output)
                os.remove(output)
        for name in commands:
            print(f'{name:11s} median {statistics.median(times[name]):7.3f} s   '
                  f'peak {memory[name] / 1024:6.1f} MB   runs {" ".join(f"{t:.3f}" for t in times[name])}')
        floor = statistics.median(times['awk'])
        for name in commands:
            if name != 'awk':
                print(f'{name} / awk: {statistics.median(times[name]) / floor:.1f}x')
        if args.compare and digests['dump'] != digests['other dump']:
            sys.exit('the two dumps differ')
        if args.compare:
            print('the two dumps are byte-identical')


if __name__ == '__main__':
    main()
