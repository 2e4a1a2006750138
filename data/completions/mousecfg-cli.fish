# Fish completion of mousecfg-cli: command names, setting keys, slots and files.

function __mousecfg_cli_appdir
    set -l words (commandline -opc)
    set -l i (contains -i -- --appdir $words)
    and printf '%s\n' --appdir $words[(math $i + 1)]
end

function __mousecfg_cli_commands
    mousecfg-cli --help 2>/dev/null | sed -n '/^commands:/,/^$/{/^  /p}' | awk '{print $1}'
end

function __mousecfg_cli_keys
    mousecfg-cli (__mousecfg_cli_appdir) get 2>/dev/null | awk -F' = ' '$1 != "macros" {print $1}'
end

# True when the command line has no command yet.
function __mousecfg_cli_needs_command
    set -l words (commandline -opc)
    set -e words[1]
    if set -l i (contains -i -- --appdir $words)
        set -e words[$i..(math $i + 1)]
    end
    if set -l i (contains -i -- --no-forward $words)
        set -e words[$i]
    end
    test (count $words) -eq 0
end

complete -c mousecfg-cli -f
complete -c mousecfg-cli -n __mousecfg_cli_needs_command -a '(__mousecfg_cli_commands)'
complete -c mousecfg-cli -n __mousecfg_cli_needs_command -l appdir -r -F -d 'program folder'
complete -c mousecfg-cli -n __mousecfg_cli_needs_command -l no-forward -d 'do not hand the command to a running window'
complete -c mousecfg-cli -n __mousecfg_cli_needs_command -l version
complete -c mousecfg-cli -l help -d 'usage and exit codes'
complete -c mousecfg-cli -n '__fish_seen_subcommand_from get status macro' -l json -d 'JSON output'
complete -c mousecfg-cli -n '__fish_seen_subcommand_from get set select-profile' -a '1 2 3 4 5' -d slot
complete -c mousecfg-cli -n '__fish_seen_subcommand_from set' -a '(__mousecfg_cli_keys)'
complete -c mousecfg-cli -n '__fish_seen_subcommand_from set' -l no-apply -d 'save without sending'
complete -c mousecfg-cli -n '__fish_seen_subcommand_from apply' -l all -d 'send every setting'
complete -c mousecfg-cli -n '__fish_seen_subcommand_from probe' -l all -d 'every hidraw node'
complete -c mousecfg-cli -n '__fish_seen_subcommand_from probe' -l report -r -F -d 'write a report file for a bug report'
complete -c mousecfg-cli -n '__fish_seen_subcommand_from probe' -l with-serials -d 'keep serial numbers and paths in the report'
complete -c mousecfg-cli -n '__fish_seen_subcommand_from macro; and not __fish_seen_subcommand_from list import export' -a 'list import export'
complete -c mousecfg-cli -n '__fish_seen_subcommand_from import export import-config import-profile export-config export-profile' -F
