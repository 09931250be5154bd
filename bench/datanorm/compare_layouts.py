#!/usr/bin/env python3
"""Dumps of two velmora-datanorm builds over generated DATANORM 5 files of awkward layout.

Each file mixes what a delivery may hold: long texts before, after and far behind their
article, text numbers shared or blank, dimension lines under another article's number or
at line 0, numbers with blanks and capitals, an article named twice, change records, other
kinds of lines and empty lines between texts, and CR LF, LF and CR line ends. A file of
ARTICLES articles (default 20000) is read in large-file mode, one of 9000 in memory. Both
builds read their own copy; their outputs and the caches they write must be the same bytes.

    bench/datanorm/compare_layouts.py VELMORA_DATANORM OTHER_VELMORA_DATANORM
        [--articles N] [--seeds N]
"""
import argparse
import filecmp
import os
import random
import shutil
import subprocess
import sys
import tempfile


def number(rng, i):
    text = 'Hx-%d' % i
    roll = rng.random()
    if roll < 0.05:
        return text.upper()
    if roll < 0.08:
        return text[:2] + ' ' + text[2:]
    return text


def text_line(number_, line, text):
    return ('T;N;%s;1;%d;%s;;;' % (number_, line, text)).encode('cp850')


def lines(rng, articles):
    yield b'V;050;A;20261201;EUR;Layouts;HALVEX;;'
    late = []
    for i in range(articles):
        nr = number(rng, i)
        text_nr = rng.choice(['L%d' % i, 'l%d' % i, 'L%d' % (i // 3), ' ', ''])
        if rng.random() < 0.3:
            for z in range(1, rng.randint(1, 4)):
                yield text_line(text_nr, z, 'vorn %d äöü' % z)
        flag = 'N' if rng.random() < 0.95 else 'A'
        yield ('A;%s;%s;Tank %d;Öl;%s;1;1;%d;R%d;HG%d;;M%d;;;;;;;;;;3;%s;;;;;;' %
               (flag, nr, i, rng.choice(['PCE', 'MTR', 'Stk']), rng.randint(0, 99999), i % 7,
                i % 5, i, text_nr)).encode('cp850')
        for z in range(1, rng.randint(0, 5)):
            owner = rng.choice([nr, nr.lower(), 'Hx-%d' % (i - 1)])
            yield ('D;N;%s;%d;;Maß %d;;;;;;' % (owner, rng.choice([z, 0, 9]), z)).encode('cp850')
            if rng.random() < 0.1:
                yield b'B;N;%d;x;' % i
            if rng.random() < 0.05:
                yield b''
        if rng.random() < 0.5:
            for z in range(rng.randint(1, 6)):
                yield text_line(text_nr, rng.choice([z + 1, 0, 3]), 'hinten %d' % z)
        if rng.random() < 0.05:
            late.append(text_line(text_nr, 9, 'spät'))
        if rng.random() < 0.02:
            yield ('A;N;%s;Doppel;;PCE;1;1;%d;;;;;;;;;;;;;;3;;;;;;;' %
                   (number(rng, rng.randint(0, i)), rng.randint(0, 999))).encode('cp850')
    yield from late


def write_file(path, seed, articles):
    rng = random.Random(seed)
    with open(path, 'wb') as out:
        for line in lines(rng, articles):
            out.write(line + (rng.choice([b'\r\n', b'\n', b'\r']) if rng.random() < 0.1 else b'\r\n'))


def dump(tool, directory):
    with open(os.path.join(directory, 'dump.out'), 'wb') as out:
        if subprocess.run([tool, os.path.join(directory, 'Datanorm.500')], stdout=out,
                          stderr=subprocess.STDOUT).returncode != 0:
            sys.exit('failed: ' + tool)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('tool')
    parser.add_argument('other')
    parser.add_argument('--articles', type=int, default=20000)
    parser.add_argument('--seeds', type=int, default=3)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as work:
        for seed in range(1, args.seeds + 1):
            for articles in (args.articles, 9000):
                mine, other = os.path.join(work, 'mine'), os.path.join(work, 'other')
                for directory in (mine, other):
                    shutil.rmtree(directory, ignore_errors=True)
                    os.mkdir(directory)
                write_file(os.path.join(mine, 'Datanorm.500'), seed, articles)
                shutil.copy(os.path.join(mine, 'Datanorm.500'), other)
                dump(args.tool, mine)
                dump(args.other, other)
                names = sorted(os.listdir(mine))
                _, differ, missing = filecmp.cmpfiles(mine, other, names, shallow=False)
                if differ or missing or names != sorted(os.listdir(other)):
                    sys.exit(f'seed {seed}, {articles} articles: differ in {differ + missing}')
                print(f'seed {seed}, {articles} articles: {", ".join(names)} the same')


if __name__ == '__main__':
    main()
