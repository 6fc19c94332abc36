#!/usr/bin/env bash
# Writes, to stdout, deb822 stanzas of source-package lines (deb-src) for the distribution's own
# suites, made from the machine's own apt sources (one-line and deb822 format alike, keeping
# their Signed-By). Third-party sources, whose suites are not the release's, are left out.
set -euo pipefail
. /etc/os-release
codename="${VERSION_CODENAME:?no VERSION_CODENAME in /etc/os-release}"
stanza() { # URI SUITE SIGNED_BY COMPONENTS...
  local uri="$1" suite="$2" signed="$3"
  shift 3
  case "$suite" in "$codename" | "$codename"-*) ;; *) return 0 ;; esac
  printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n' "$uri" "$suite" "$*"
  if [ -n "$signed" ]; then printf 'Signed-By: %s\n' "$signed"; fi
  printf '\n'
}
one_line_file() {
  local type rest signed
  while read -r type rest; do
    [ "$type" = deb ] || continue
    signed=""
    if [[ "$rest" == \[* ]]; then
      local opts="${rest%%]*}"
      rest="${rest#*]}"
      if [[ "$opts" =~ signed-by=([^ ]+) ]]; then signed="${BASH_REMATCH[1]}"; fi
    fi
    # shellcheck disable=SC2086
    set -- $rest
    stanza "$1" "$2" "$signed" "${@:3}"
  done < "$1"
}
[ -f /etc/apt/sources.list ] && one_line_file /etc/apt/sources.list
for f in /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] || continue
  case "$f" in */zel-editor-*) continue ;; esac
  case "$f" in *.list) one_line_file "$f"; continue ;; esac
  awk 'BEGIN { RS = ""; FS = "\n" }
       {
         types = uris = suites = comps = signed = ""; enabled = 1
         for (i = 1; i <= NF; i++) {
           line = $i
           if (line ~ /^#/) continue
           key = line; sub(/:.*/, "", key); val = line; sub(/^[^:]*:[ \t]*/, "", val)
           if (key == "Types") types = val
           else if (key == "URIs") uris = val
           else if (key == "Suites") suites = val
           else if (key == "Components") comps = val
           else if (key == "Signed-By") signed = val
           else if (key == "Enabled" && val ~ /^(no|false)$/) enabled = 0
         }
         if (!enabled || types !~ /(^| )deb( |$)/) next
         nu = split(uris, u, " "); ns = split(suites, s, " ")
         for (a = 1; a <= nu; a++) for (b = 1; b <= ns; b++) print u[a] "\t" s[b] "\t" signed "\t" comps
       }' "$f" | while IFS=$'\t' read -r uri suite signed comps; do
    # shellcheck disable=SC2086
    stanza "$uri" "$suite" "$signed" $comps
  done
done
