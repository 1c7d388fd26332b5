# fish completion for mousecfgctl.
# The words come from `mousecfgctl complete`, which reads the command table, the function
# catalogue, the lighting effects and the macro library (of a --data-dir on the line), so this
# script holds no list of its own.

function __mousecfgctl_complete
    # The words before the cursor come unescaped; the one being typed as typed.
    set -l tokens (commandline -opc)
    set -l current (commandline -ct)
    set -l typed (string unescape -- $current 2>/dev/null)
    or set typed (string trim --left --chars='"\'' -- $current)
    # The tool that is being typed, so that a build's own copy completes its own words.
    set -l tool (string replace -r -- '^~/' "$HOME/" $tokens[1])
    set -l lines ($tool complete $tokens[2..-1] "$typed" 2>/dev/null)
    switch "$lines[1]"
        case files dirs
            # A path after "--option=" is completed on its own, the option kept in front.
            set -l option (string match -r -- '^--[^=]*=' $current)
            set -l path (string replace -r -- '^--[^=]*=' '' $current)
            if test "$lines[1]" = dirs
                __fish_complete_directories $path | string replace -r -- '^' "$option"
            else
                __fish_complete_path $path | string replace -r -- '^' "$option"
            end
        case words
            printf '%s\n' $lines[2..-1]
    end
end

complete -c mousecfgctl -f -a '(__mousecfgctl_complete)'
