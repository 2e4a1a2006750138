# Bash completion of mousecfg-cli: command names, setting keys, slots and files.

# The command line's "--appdir DIR", so that keys come from the same program folder.
_mousecfg_cli_appdir()
{
    local i
    for ((i = 1; i < ${#COMP_WORDS[@]} - 1; i++)); do
        if [[ ${COMP_WORDS[i]} == --appdir ]]; then
            printf -- '--appdir\n%s\n' "${COMP_WORDS[i + 1]}"
            return
        fi
    done
}

_mousecfg_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local -a appdir words
    mapfile -t appdir < <(_mousecfg_cli_appdir)
    # The words after the program and its options: the command and its arguments.
    local i command= position=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
        --appdir) ((i++)) ;;
        --no-forward) ;;
        *)
            if [[ -z $command ]]; then
                command=${COMP_WORDS[i]}
            else
                words+=("${COMP_WORDS[i]}")
            fi
            ;;
        esac
    done

    if [[ -z $command ]]; then
        local commands
        commands=$("${COMP_WORDS[0]}" --help 2>/dev/null | sed -n '/^commands:/,/^$/{/^  /p}' | awk '{print $1}')
        mapfile -t COMPREPLY < <(compgen -W "--appdir --no-forward --help --version $commands" -- "$cur")
        return
    fi

    # The words that are no slot number and no option.
    local -a plain=()
    for i in "${words[@]}"; do
        [[ $i == -* || $i =~ ^[0-9]+$ ]] || plain+=("$i")
    done
    case $command in
    get)
        mapfile -t COMPREPLY < <(compgen -W "1 2 3 4 5 --json --help" -- "$cur")
        ;;
    set)
        if ((${#plain[@]} == 0)); then
            local keys
            keys=$("${COMP_WORDS[0]}" "${appdir[@]}" get 2>/dev/null | awk -F' = ' '$1 != "macros" {print $1}')
            mapfile -t COMPREPLY < <(compgen -W "$keys 1 2 3 4 5 --no-apply --help" -- "$cur")
        elif ((${#plain[@]} == 1)); then
            case ${plain[0]} in
            *.enabled | *.link | *.off-on-move | sensor.sync | sensor.angle-snapping | sensor.jitter | sensor.motion-wake)
                mapfile -t COMPREPLY < <(compgen -W "on off" -- "$cur") ;;
            sensor.mode) mapfile -t COMPREPLY < <(compgen -W "eco standard competitive" -- "$cur") ;;
            rate) mapfile -t COMPREPLY < <(compgen -W "125 250 500 1000" -- "$cur") ;;
            lift) mapfile -t COMPREPLY < <(compgen -W "1 2" -- "$cur") ;;
            button.* | wheel.*) mapfile -t COMPREPLY < <(compgen -W "key: combo: fire: macro:" -- "$cur") ;;
            esac
        fi
        ;;
    macro)
        if ((${#words[@]} == 0)); then
            mapfile -t COMPREPLY < <(compgen -W "list import export --help" -- "$cur")
        elif [[ ${words[0]} == export && ${#words[@]} == 1 ]]; then
            mapfile -t COMPREPLY < <(compgen -W "$("${COMP_WORDS[0]}" "${appdir[@]}" macro list 2>/dev/null)" -- "$cur")
        else
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        fi
        ;;
    status) mapfile -t COMPREPLY < <(compgen -W "--json --help" -- "$cur") ;;
    select-profile) mapfile -t COMPREPLY < <(compgen -W "1 2 3 4 5" -- "$cur") ;;
    apply) mapfile -t COMPREPLY < <(compgen -W "--all --help" -- "$cur") ;;
    probe)
        if [[ ${COMP_WORDS[COMP_CWORD - 1]} == --report ]]; then
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        else
            mapfile -t COMPREPLY < <(compgen -W "--all --report --with-serials --help" -- "$cur")
        fi
        ;;
    *) mapfile -t COMPREPLY < <(compgen -f -- "$cur") ;;
    esac
}

complete -F _mousecfg_cli mousecfg-cli
