# bash completion for mousecfgctl.
# The words come from `mousecfgctl complete`, which reads the command table, the function
# catalogue, the lighting effects and the macro library (of a --data-dir on the line), so this
# script holds no list of its own.

# The word as the command will get it: the shell's quoting removed, nothing expanded (the tool
# expands a leading ~ of --data-dir itself). An unclosed quote is the word still being typed.
_mousecfgctl_dequote()
{
    local word=$1 out='' quote='' c i
    for ((i = 0; i < ${#word}; i++)); do
        c=${word:i:1}
        if [[ $quote == "'" ]]; then
            if [[ $c == "'" ]]; then quote=''; else out+=$c; fi
        elif [[ $quote == '"' ]]; then
            if [[ $c == '"' ]]; then
                quote=''
            elif [[ $c == '\' && ${word:i+1:1} == [\\\"\$\`] ]]; then
                out+=${word:i+1:1}
                ((i++))
            else
                out+=$c
            fi
        elif [[ $c == "'" || $c == '"' ]]; then
            quote=$c
        elif [[ $c == '\' ]]; then
            out+=${word:i+1:1}
            ((i++))
        else
            out+=$c
        fi
    done
    REPLY=$out
}

_mousecfgctl()
{
    local cur words cword
    # bash-completion joins "--data-dir=DIR" and names with a colon back into one word.
    if declare -F _get_comp_words_by_ref >/dev/null; then
        _get_comp_words_by_ref -n =: cur words cword
    else
        words=("${COMP_WORDS[@]}")
        cword=$COMP_CWORD
        cur=${COMP_WORDS[COMP_CWORD]}
    fi

    # The tool that is being typed, so that a build's own copy completes its own words.
    _mousecfgctl_dequote "${words[0]}"
    local tool=$REPLY
    [[ $tool == "~/"* ]] && tool=$HOME/${tool#"~/"}

    local -a args=()
    local i
    for ((i = 1; i < cword; i++)); do
        _mousecfgctl_dequote "${words[i]}"
        args+=("$REPLY")
    done
    _mousecfgctl_dequote "$cur"
    local typed=$REPLY

    local -a lines=()
    local line
    while IFS= read -r line; do
        lines+=("$line")
    done < <("$tool" complete "${args[@]}" "$typed" 2>/dev/null)
    COMPREPLY=()
    case ${lines[0]-} in
    files | dirs)
        # A path after "--option=" is completed on its own, as readline splits the word there.
        [[ $cur == --*=* ]] && cur=${cur#*=}
        if declare -F _filedir >/dev/null; then
            if [[ ${lines[0]} == dirs ]]; then _filedir -d; else _filedir; fi
        else
            compopt -o filenames 2>/dev/null
            _mousecfgctl_dequote "$cur"
            if [[ ${lines[0]} == dirs ]]; then
                mapfile -t COMPREPLY < <(compgen -d -- "$REPLY")
            else
                mapfile -t COMPREPLY < <(compgen -f -- "$REPLY")
            fi
        fi
        ;;
    words)
        # Inside an open quote readline puts the word in as it is and closes the quote; else
        # each word is quoted, so that "Volume Up" or "My macro" stays one word.
        local quoted
        for line in "${lines[@]:1}"; do
            if [[ $cur == [\"\']* ]]; then
                COMPREPLY+=("$line")
            else
                printf -v quoted '%q' "$line"
                COMPREPLY+=("$quoted")
            fi
        done
        declare -F __ltrim_colon_completions >/dev/null && __ltrim_colon_completions "$cur"
        ;;
    esac
    return 0
}

complete -F _mousecfgctl mousecfgctl
