# Sourced by kestrel.sh: how the launcher finds an up-to-date kestrel.exe without costing seconds
# when nothing changed, and how it hands Linux file names to a program that reads Windows paths
# and takes every argument that begins with "/" for an option.

# Tools the launcher needs for its tree; when one is missing the package check runs.
LauncherToolsPresent() {
    local compiler=$1 tool
    for tool in cmake ninja wine winepath "$compiler"; do
        command -v "$tool" >/dev/null 2>&1 || return 1
    done
    [ -d /usr/src/googletest ]
}

# BuildKestrel TOP TREE TOOLCHAIN: configures TREE once, then lets ninja decide what is out of
# date (a no-op build costs a fraction of a second; ninja reruns CMake itself when a build file
# or a source folder changed).
BuildKestrel() {
    local top=$1 tree=$2 toolchain=$3
    if [ ! -f "$tree/build.ninja" ]; then
        cmake -S "$top" -B "$tree" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" >/dev/null
    fi
    ninja -C "$tree" kestrel |
        sed -e '/^ninja: no work to do/d' -e '/^ninja: Entering directory/d' \
            -e '/Re-checking globbed directories/d'
}

# LinuxPathOf ARG prints the absolute, tidied Linux path that ARG names, when ARG names a file the
# program should open: an existing file or folder, or a new file in an existing folder. It fails
# for anything else, which then reaches the program unchanged. ARG may be absolute, relative to
# the current folder, or begin with "~". A name right under "/" that does not exist is read as an
# option such as /x, which is what the program makes of it.
LinuxPathOf() {
    local arg=$1 path folder home user
    case $arg in
    '') return 1 ;;
    '~' | '~/'*) path=$HOME${arg#'~'} ;;
    '~'*)
        user=${arg%%/*}
        user=${user#'~'}
        home=$(getent passwd "$user" | cut -d: -f6) || home=""
        if [ -n "$home" ]; then
            path=$home${arg:$((${#user} + 1))}
        else
            path=$PWD/$arg
        fi
        ;;
    /*) path=$arg ;;
    *) path=$PWD/$arg ;;
    esac
    if [ ! -e "$path" ]; then
        # A new file: its folder must exist, and a trailing "/" asks for a folder, not a file.
        folder=$(dirname -- "$path")
        if [ ! -d "$folder" ] || [[ $path == */ ]] || { [[ $arg == /* ]] && [ "$folder" = / ]; }; then
            return 1
        fi
    fi
    realpath -ms -- "$path"
}

# TranslateArguments ARG...: sets KESTREL_ARGS to the program's arguments, each Linux path turned
# into the Windows path Wine maps it to, everything else unchanged. KESTREL_NEW_FILE is the Linux
# path of the document when it does not exist yet, else empty.
TranslateArguments() {
    KESTREL_ARGS=()
    KESTREL_NEW_FILE=""
    local arg path i
    local -a paths=() slots=() linux=()
    for arg in "$@"; do
        if path=$(LinuxPathOf "$arg"); then
            slots+=("${#KESTREL_ARGS[@]}")
            paths+=("$path")
        elif [[ $arg == /*/* ]]; then
            echo "kestrel.sh: $arg: no such folder; passed on unchanged" >&2
        fi
        KESTREL_ARGS+=("$arg")
        linux+=("")
    done
    if [ ${#paths[@]} -eq 0 ]; then
        return 0
    fi
    local -a windows=()
    mapfile -d '' -t windows < <(winepath -w -0 "${paths[@]}" 2>/dev/null)
    if [ ${#windows[@]} -ne ${#paths[@]} ]; then
        echo "kestrel.sh: winepath could not translate ${paths[*]}" >&2
        return 1
    fi
    for i in "${!slots[@]}"; do
        KESTREL_ARGS[${slots[$i]}]=${windows[$i]}
        linux[${slots[$i]}]=${paths[$i]}
    done
    # The program opens the first of its first three arguments that is not an option.
    for i in 0 1 2; do
        [ "$i" -lt ${#KESTREL_ARGS[@]} ] || break
        if [[ ${KESTREL_ARGS[$i]} != /* ]]; then
            if [ -n "${linux[$i]}" ] && [ ! -e "${linux[$i]}" ] && [[ ${linux[$i]} != *[*?]* ]]; then
                KESTREL_NEW_FILE=${linux[$i]}
            fi
            break
        fi
    done
}

FileIdentity() {
    stat -c '%i %s %y' -- "$1" 2>/dev/null
}

# RunKestrel EXE ARG...: runs the program on the translated arguments. A new document is created
# empty first, because the program opens only files that exist and would otherwise start an
# untitled document; if the file is still that untouched empty file when the program ends, it is
# removed again, so that only saving leaves a file behind.
RunKestrel() {
    local exe=$1
    shift
    TranslateArguments "$@"
    export WINEDEBUG=${WINEDEBUG:--all}
    # The program needs neither .NET nor the HTML engine: a new prefix asks to install neither.
    export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
    if [ -z "$KESTREL_NEW_FILE" ] || ! (set -o noclobber && : >"$KESTREL_NEW_FILE") 2>/dev/null; then
        exec wine "$exe" "${KESTREL_ARGS[@]}"
    fi
    local created status=0
    created=$(FileIdentity "$KESTREL_NEW_FILE")
    wine "$exe" "${KESTREL_ARGS[@]}" || status=$?
    if [ "$(FileIdentity "$KESTREL_NEW_FILE")" = "$created" ]; then
        rm -f -- "$KESTREL_NEW_FILE"
    fi
    return "$status"
}
