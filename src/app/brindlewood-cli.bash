# Bash completion for brindlewood-cli. The options of each command and the choices of an option
# are read from the command's own --help, so they follow the program.

_brindlewood_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local program=${COMP_WORDS[0]}
    if [[ $COMP_CWORD -eq 1 ]]; then
        mapfile -t COMPREPLY < <(compgen -W 'table afford compare plan settings --help --version' -- "$cur")
        return
    fi
    local usage
    usage=$("$program" "${COMP_WORDS[1]}" --help 2>/dev/null)
    case $prev in
        --folder)
            mapfile -t COMPREPLY < <(compgen -d -- "$cur")
            return ;;
        --open | --save | --print | --graph)
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            return ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(grep -o -- '--[a-z][a-z0-9-]*' <<<"$usage" | sort -u)" -- "$cur")
        return
    fi
    # "--view all|annual" in the usage: complete the words between the bars.
    local choices
    choices=$(grep -o -- "$prev [a-z0-9.-]*|[a-z0-9.|-]*" <<<"$usage" | head -n 1 | cut -d ' ' -f 2)
    if [[ -n $choices ]]; then
        mapfile -t COMPREPLY < <(compgen -W "${choices//|/ }" -- "$cur")
    fi
}
complete -F _brindlewood_cli brindlewood-cli
