# Reports includes that reach a header of a target the including file's target does
# not link, and targets that link themselves in a circle (which would let an include point
# up); scripts/check-include-direction.sh states the rule and feeds this its inputs:
#   phase=facts     the output of cmake-targets.awk
#   phase=files     every source and header, one path a line
#   phase=includes  grep -n lines: FILE:LINE:#include "NAME" or <NAME>
# Exits 1 when it reported anything.

phase == "facts" && $1 == "source" { add(owners, $3, $2); add(folder_targets, folder($3), $2) }
phase == "facts" && $1 == "link" {
  add(direct, $2, $4)
  if ($3 != "PRIVATE") add(interface, $2, $4)
}
phase == "files" { exists[$0] = 1; file[++nfile] = $0 }
phase == "includes" {
  colon = index($0, ":"); from = substr($0, 1, colon - 1)
  rest = substr($0, colon + 1); line = substr(rest, 1, index(rest, ":") - 1)
  match(rest, /["<][^">]+[">]/)
  to = resolve(from, substr(rest, RSTART + 1, RLENGTH - 2), substr(rest, RSTART, 1) == "\"")
  if (to != "" && to != from) { ninclude++; inc_from[ninclude] = from; inc_line[ninclude] = line; inc_to[ninclude] = to }
}

END {
  for (i = 1; i <= nfile; i++) assign_owner(file[i])
  inherit_owners_from_includers()
  for (i = 1; i <= ninclude; i++) check(i)
  for (t in direct) if (links_back(t, t)) { printf "%s: links itself through its libraries\n", t; found = 1 }
  exit found
}

function add(set, key, value) {
  if ((" " set[key] " ") !~ (" " quote(value) " ")) set[key] = set[key] (set[key] == "" ? "" : " ") value
}

function quote(s) { gsub(/[][\\.^$*+?(){}|]/, "\\\\&", s); return s }

function folder(path) { sub(/\/[^\/]*$/, "", path); return path }

# Quoted includes are looked up beside the including file first; both kinds then in the roots
# every target has on its path (src/) or that tests add (tests/).
function resolve(from, name, quoted,    candidate) {
  candidate = normalise(folder(from) "/" name)
  if (quoted && candidate in exists) return candidate
  if (("src/" name) in exists) return "src/" name
  if (("tests/" name) in exists) return "tests/" name
  return ""
}

function normalise(path,    n, parts, out, nout, i) {
  n = split(path, parts, "/")
  nout = 0
  for (i = 1; i <= n; i++) {
    if (parts[i] == "." || parts[i] == "") continue
    if (parts[i] == ".." && nout > 0) { nout--; continue }
    out[++nout] = parts[i]
  }
  path = out[1]
  for (i = 2; i <= nout; i++) path = path "/" out[i]
  return path
}

# A header belongs to the targets that build its source file. A header of src/ without one
# belongs to every target of its folder, so it may use only what all of them link and any
# user of one of them may include it. Elsewhere (test fixtures, for one) such a header is
# part of whoever includes it.
function assign_owner(path,    stem) {
  if (path in owners) return
  if (path ~ /\.cpp$/) {
    printf "%s: no target builds it\n", path
    found = 1
    return
  }
  stem = path
  sub(/\.[^.\/]*$/, ".cpp", stem)
  if (stem in owners) owners[path] = owners[stem]
  else if (path ~ /^src\// && folder(path) in folder_targets) owners[path] = folder_targets[folder(path)]
  else guest_header[path] = 1
}

function inherit_owners_from_includers(    changed, i, n, t, targets) {
  do {
    changed = 0
    for (i = 1; i <= ninclude; i++) {
      if (!(inc_to[i] in guest_header) || !(inc_from[i] in owners)) continue
      n = split(owners[inc_from[i]], targets, " ")
      for (t = 1; t <= n; t++) {
        if ((" " owners[inc_to[i]] " ") ~ (" " quote(targets[t]) " ")) continue
        add(owners, inc_to[i], targets[t])
        changed = 1
      }
    }
  } while (changed)
}

function check(i,    from, to, n, t, users, m, h, providers, seen, refused) {
  from = inc_from[i]; to = inc_to[i]
  if (to in guest_header || !(from in owners)) return
  n = split(owners[from], users, " ")
  m = split(owners[to], providers, " ")
  refused = ""
  for (t = 1; t <= n; t++) {
    seen = 0
    for (h = 1; h <= m && !seen; h++) seen = users[t] == providers[h] || sees(users[t], providers[h])
    if (!seen) refused = refused (refused == "" ? "" : ", ") users[t]
  }
  if (refused == "") return
  printf "%s:%s: includes %s (%s), which %s does not link\n", from, inc_line[i], to, owners[to], refused
  found = 1
}

# What CMake gives a target's compilation: the targets it links, and theirs through PUBLIC
# and INTERFACE links.
function sees(user, provider,    n, deps, i) {
  if (!((user, provider) in seen_cache)) {
    n = split(direct[user], deps, " ")
    seen_cache[user, provider] = 0
    for (i = 1; i <= n; i++)
      if (deps[i] == provider || exports(deps[i], provider)) { seen_cache[user, provider] = 1; break }
  }
  return seen_cache[user, provider]
}

function exports(library, provider,    n, deps, i) {
  if (!((library, provider) in export_cache)) {
    n = split(interface[library], deps, " ")
    export_cache[library, provider] = 0
    for (i = 1; i <= n; i++)
      if (deps[i] == provider || exports(deps[i], provider)) { export_cache[library, provider] = 1; break }
  }
  return export_cache[library, provider]
}

function links_back(library, start,    n, deps, i) {
  if (!((library, start) in cycle_cache)) {
    n = split(direct[library], deps, " ")
    cycle_cache[library, start] = 0
    for (i = 1; i <= n; i++)
      if (deps[i] == start || links_back(deps[i], start)) { cycle_cache[library, start] = 1; break }
  }
  return cycle_cache[library, start]
}
