# Reads CMakeLists.txt files (paths relative to the project root) and prints the targets they
# build, one fact a line:
#   target NAME DIR          source NAME FILE          link NAME PUBLIC|PRIVATE|INTERFACE DEP
# It understands add_library, add_executable, target_sources, target_link_libraries and
# project functions that wrap them through cmake_parse_arguments; conditions are ignored, so
# every target and source of every configuration is listed. Give a parent folder's file before
# its subfolders' (LC_ALL=C sort does), so functions are defined before they are called.

FNR == 1 {
  dir = FILENAME
  sub(/\/?CMakeLists\.txt$/, "", dir)
  if (dir == "" || dir == ".") dir = "."
  depth = 0
  ncommand = 0
}

{
  line = $0
  if (in_string) {
    if (!match(line, /^([^"\\]|\\.)*"/)) next
    in_string = 0
    line = substr(line, RLENGTH + 1)
  }
  while (line != "") {
    if (match(line, /^[ \t]+/)) { line = substr(line, RLENGTH + 1); continue }
    c = substr(line, 1, 1)
    if (c == "#") break
    if (c == "(") {
      if (depth++ == 0) { ncommand = 0 } else { args[++ncommand] = "(" }
      line = substr(line, 2); continue
    }
    if (c == ")") {
      if (--depth == 0) finish_command(dir)
      else args[++ncommand] = ")"
      line = substr(line, 2); continue
    }
    if (c == "\"") {
      # A quoted argument that runs over several lines names no target or source.
      if (!match(line, /^"([^"\\]|\\.)*"/)) { in_string = 1; break }
      token = substr(line, 2, RLENGTH - 2)
      line = substr(line, RLENGTH + 1)
    } else {
      match(line, /^[^ \t()"#]+/)
      token = substr(line, 1, RLENGTH)
      line = substr(line, RLENGTH + 1)
    }
    if (depth == 0) command = tolower(token)
    else args[++ncommand] = token
  }
}

function finish_command(dir,    i, body) {
  if (defining != "") {
    if (command == "endfunction") { defining = ""; return }
    body = command
    for (i = 1; i <= ncommand; i++) body = body SUBSEP args[i]
    function_body[defining, ++function_length[defining]] = body
    return
  }
  if (command == "function") {
    defining = tolower(args[1])
    function_params[defining] = ncommand - 1
    for (i = 2; i <= ncommand; i++) function_param[defining, i - 1] = args[i]
    function_length[defining] = 0
    return
  }
  if (command in function_params) { call_function(command, dir); return }
  for (i = 1; i <= ncommand; i++) word[i] = args[i]
  nword = ncommand
  apply(command, dir)
}

# Replays a project function's body with its parameters and parsed keyword lists in place.
function call_function(name, dir,    i, j, n, parts, value, caller, ncaller, fields, nfield, kw, mode, prefix, cmd) {
  for (i in var) delete var[i]
  ncaller = ncommand
  for (i = 1; i <= ncaller; i++) caller[i] = args[i]
  for (i = 1; i <= function_params[name]; i++) var[function_param[name, i]] = caller[i]
  value = ""
  for (i = function_params[name] + 1; i <= ncaller; i++) value = value (value == "" ? "" : SUBSEP) caller[i]
  var["ARGN"] = value
  for (j = 1; j <= function_length[name]; j++) {
    nfield = split(function_body[name, j], fields, SUBSEP)
    cmd = fields[1]
    if (cmd == "cmake_parse_arguments") {
      prefix = fields[2]
      for (i = 3; i <= 5; i++) {
        n = split(fields[i], parts, ";")
        for (kw = 1; kw <= n; kw++) { var[prefix "_" parts[kw]] = ""; keyword[parts[kw]] = 1 }
      }
      mode = ""
      for (i = function_params[name] + 1; i <= ncaller; i++) {
        if (caller[i] in keyword) { mode = prefix "_" caller[i]; continue }
        if (mode != "") var[mode] = var[mode] (var[mode] == "" ? "" : SUBSEP) caller[i]
      }
      for (kw in keyword) delete keyword[kw]
      continue
    }
    nword = 0
    for (i = 2; i <= nfield; i++) expand(fields[i])
    apply(cmd, dir)
  }
}

# Appends the words a body argument stands for: a list variable gives one word per element.
function expand(token,    name, n, i, parts) {
  if (match(token, /^\$\{[A-Za-z_0-9]+\}$/)) {
    name = substr(token, 3, length(token) - 3)
    if (name in var) {
      if (var[name] == "") return
      n = split(var[name], parts, SUBSEP)
      for (i = 1; i <= n; i++) word[++nword] = parts[i]
      return
    }
  }
  for (name in var) gsub("\\$\\{" name "\\}", var[name], token)
  word[++nword] = token
}

function apply(cmd, dir,    i, name, visibility) {
  if (cmd != "add_library" && cmd != "add_executable" && cmd != "target_sources" \
      && cmd != "target_link_libraries") return
  name = word[1]
  if (cmd != "target_sources" && cmd != "target_link_libraries") print "target", name, dir
  visibility = "PUBLIC"
  for (i = 2; i <= nword; i++) {
    if (word[i] ~ /^(PUBLIC|PRIVATE|INTERFACE)$/) { visibility = word[i]; continue }
    if (cmd == "target_link_libraries") { print "link", name, visibility, word[i]; continue }
    if (word[i] ~ /^(STATIC|SHARED|MODULE|OBJECT|INTERFACE|EXCLUDE_FROM_ALL|WIN32)$/) continue
    print "source", name, source_path(dir, word[i])
  }
}

function source_path(dir, file) {
  if (sub(/^\$\{PROJECT_SOURCE_DIR\}\//, "", file)) return file
  sub(/^\$\{CMAKE_CURRENT_SOURCE_DIR\}\//, "", file)
  return (dir == "." ? "" : dir "/") file
}
