#!/bin/sh
# Runs a table of searches with two builds of velmora-plan on the demo catalogue and on the
# search benchmark's generated catalogue and reports any difference in their JSON output:
# a change of the search path must leave every answer byte-identical.
#
#   scripts/compare-search.sh OLD_VELMORA_PLAN NEW_VELMORA_PLAN [BUILD_DIR]
#
# BUILD_DIR (default build/release) holds the demo catalogue in bin/ and the generator
# bin/write-large-catalogue.
set -eu
old=$1
new=$2
build=${3:-build/release}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bin/write-large-catalogue" "$work/large"

keller='--room-width 6 --room-length 5 --room-height 2,5 --opening-height 1,9 --opening-width 0,8'
requests="
demo|--volume 3000 --tank-position UL --corner-position OL --boiler-position UR $keller --corner-width 1 --corner-length 1,2 --boiler-room --boiler-width 1 --boiler-length 0,8
demo|--volume 5000 --tank-position UR --boiler-position UR $keller --boiler-room --boiler-width 1 --boiler-length 1 --protected-boiler --ten-cm
demo|--volume 2000 --tank-position OR --corner-position OR $keller --corner-width 0,5 --corner-length 0,7 --protected-boiler
demo|--volume 4000 --tank-position OL $keller
demo|--volume 6000 --room-width 3,5 --room-length 4 --room-height 2,2 --opening-width 1 --opening-height 2 --tank-position UL --boiler-room --boiler-width 1 --boiler-length 1 --boiler-position UL
demo|--volume 99999 --room-width 1 --room-length 1
demo|--volume 3000 --tank-position UL --corner-position OL --boiler-position UR $keller --corner-width 1 --corner-length 1,2 --boiler-room --boiler-width 1 --boiler-length 0,8 --select 951062 --installation 2
demo|--volume 3000 --tank-position OR $keller --select 951375 --installation 1 --format text
demo|--volume 3000 --room-width 0,5 --room-length 0,5 --room-height 0,5
demo|--volume 5000 --tank-position OL $keller --select 951550 --format text
large|--volume 4000 --tank-position UL --corner-position OL --boiler-position UR $keller --corner-width 1 --corner-length 1,2 --boiler-room --boiler-width 1 --boiler-length 0,8
large|--volume 3000 --tank-position OR $keller
large|--volume 6000 --tank-position UR --corner-position UL --corner-width 2 --corner-length 1 $keller
"
differences=0
count=0
IFS='
'
for request in $requests; do
    [ -n "$request" ] || continue
    catalogue=${request%%|*}
    arguments=${request#*|}
    case $catalogue in
        demo) dir=$build/bin ;;
        *) dir=$work/large ;;
    esac
    count=$((count + 1))
    IFS=' '
    # shellcheck disable=SC2086 # the arguments are shell words
    LC_ALL=de_DE.UTF-8 "$old" --catalogue "$dir" $arguments >"$work/old.json"
    # shellcheck disable=SC2086
    LC_ALL=de_DE.UTF-8 "$new" --catalogue "$dir" $arguments >"$work/new.json"
    IFS='
'
    if ! cmp -s "$work/old.json" "$work/new.json"; then
        differences=$((differences + 1))
        echo "DIFFERENT ($catalogue): $arguments"
    fi
done
echo "$count searches, $differences with different output"
[ "$differences" -eq 0 ]
