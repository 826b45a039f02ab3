# bash completion for veltro-cli: its commands, then --exact where solve and hands take it.
# Plain compgen, so that it works with or without the bash-completion package.
_veltro_cli() {
    local words=""
    case $COMP_CWORD:${COMP_WORDS[1]} in
    1:*) words="solve list check explain hands --help --version" ;;
    2:solve | 2:hands) words="--exact" ;;
    esac
    COMPREPLY=($(compgen -W "$words" -- "${COMP_WORDS[COMP_CWORD]}"))
}
complete -F _veltro_cli veltro-cli
