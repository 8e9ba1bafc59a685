#!/usr/bin/env bash
# Every long option that the programs' --help lists (nubera; nubera-cli and
# each of its commands) is described in the English and the Japanese manual
# page, and the completion offers every command and option of nubera-cli.
#   documented_options_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
bin=$1/bin
man=$2/packaging/man
completion=$2/packaging/nubera-cli.bash-completion
missing=()

long_options() { grep -oE -- '--[a-z][a-z-]*' | sort -u; }

# In the pages' source a hyphen is written \-.
in_pages() {
  local program=$1 text=$2 page
  for page in "$man/$program.1.in" "$man/ja/$program.1.in"; do
    grep -qF -- "${text//-/\\-}" "$page" || missing+=("$text is not in $page")
  done
}

# What the completion offers for the words of a command line, the last one
# being completed.
offered() {
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _nubera_cli nubera-cli "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
  printf '%s\n' "${COMPREPLY[@]}"
}

source /usr/share/bash-completion/bash_completion
source "$completion"
in_completion() {
  grep -qxF -- "$1" <<< "$2" || missing+=("the completion does not offer $1 after ${3:-nubera-cli}")
}

for option in $("$bin/nubera" --help | long_options); do in_pages nubera "$option"; done

top_level=$(offered nubera-cli "")$'\n'$(offered nubera-cli --)
for option in $("$bin/nubera-cli" --help | long_options); do
  in_pages nubera-cli "$option"
  in_completion "$option" "$top_level"
done
commands=$("$bin/nubera-cli" --help | sed -n '/^Subcommands:/,$p' | awk 'NR > 1 && NF { print $1 }')
[[ -n $commands ]] || missing+=("nubera-cli --help lists no command")
for command in $commands; do
  in_pages nubera-cli "nubera-cli $command"
  in_completion "$command" "$top_level"
  after_command=$(offered nubera-cli "$command" --)
  for option in $("$bin/nubera-cli" "$command" --help | long_options); do
    in_pages nubera-cli "$option"
    in_completion "$option" "$after_command" "nubera-cli $command"
  done
done

if ((${#missing[@]})); then
  printf '%s\n' "${missing[@]}" >&2
  echo "documented_options_test.sh: document them in packaging/man/ and packaging/nubera-cli.bash-completion" >&2
  exit 1
fi
echo "every option is documented"
