# bash completion for velloria. The subcommands and their options are read from velloria's own
# help pages, so this file never falls behind the program.

_velloria_subcommands() {
    "$1" help 2>/dev/null | sed -n '/^subcommands:/,/^$/{s/^  \([a-z][a-z-]*\) .*/\1/p}'
}

# The options of a subcommand, or the host's own without one.
_velloria_options() {
    "$@" --help 2>/dev/null | grep -o -- '--\?-[A-Za-z][A-Za-z-]*' | sort -u
}

# The values an option of a subcommand takes when its help page lists them ("--format
# text|json"), so each tool is offered only its own.
_velloria_choices() {
    local prog=$1 sub=$2 option=$3
    "$prog" ${sub:+"$sub"} --help 2>/dev/null |
        sed -n "s/^  \(-[A-Za-z], \)\{0,1\}$option \([a-z][a-z0-9]*\(|[a-z][a-z0-9]*\)\{1,\}\)  .*/\2/p" |
        head -n 1 | tr '|' ' '
}

_velloria() {
    local cur prev prog sub i
    COMPREPLY=()
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    prog=${COMP_WORDS[0]}

    sub=""
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            -*) ;;
            *) sub=${COMP_WORDS[i]}; break ;;
        esac
    done

    case $prev in
        -o|--output|--report|--from-list|--password-file|-s|--script)
            COMPREPLY=($(compgen -f -- "$cur")); return ;;
        -*)
            local choices
            choices=$(_velloria_choices "$prog" "$sub" "$prev")
            if [[ -n $choices ]]; then
                COMPREPLY=($(compgen -W "$choices" -- "$cur")); return
            fi ;;
    esac

    if [[ -z $sub ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "$(_velloria_options "$prog")" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$(_velloria_subcommands "$prog") help" -- "$cur"))
            COMPREPLY+=($(compgen -f -X '!*.[dD][xX][fF]' -- "$cur"))
            COMPREPLY+=($(compgen -d -- "$cur"))
        fi
        return
    fi

    if [[ $sub == trust && $prev == trust ]]; then
        COMPREPLY=($(compgen -W "list add remove" -- "$cur"))
    elif [[ $sub == help ]]; then
        COMPREPLY=($(compgen -W "$(_velloria_subcommands "$prog")" -- "$cur"))
    elif [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_velloria_options "$prog" "$sub")" -- "$cur"))
    else
        COMPREPLY=($(compgen -f -- "$cur"))
    fi
}

complete -o filenames -F _velloria velloria
