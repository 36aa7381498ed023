#!/usr/bin/env bash
# Checks that the shooter's folders are layers: every include of a project header is a quoted
# include that names its folder, a layer, and never climbs out of it with "..", and no file
# includes from a layer above its own. The build passes its layers, lowest first.
#     include_layers.sh SHOOTER_DIR LAYER...
set -euo pipefail
shooter=$1
shift
layers=("$@")
engine=$shooter/../engine
if [ ${#layers[@]} -eq 0 ]; then
    echo "FAIL: no layers given"
    exit 1
fi
failed=0
rank() {
    local i
    for i in "${!layers[@]}"; do
        [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
}
# Whether a name is one of the project's headers: the shooter's or the engine's.
project_header() {
    [ -e "$shooter/$1" ] || [ -e "$engine/$1" ] || compgen -G "$shooter/*/$1" >/dev/null
}
for own in "${layers[@]}"; do
    own_rank=$(rank "$own")
    for file in "$shooter/$own"/*.h "$shooter/$own"/*.cpp; do
        [ -e "$file" ] || continue
        while IFS= read -r directive; do
            included=${directive:1}
            folder=${included%%/*}
            if [[ "/$included/" == */../* ]]; then
                echo "FAIL: $file includes \"$included\", which climbs out with .."
                failed=1
            elif [ "${directive:0:1}" = "<" ]; then
                if project_header "$included"; then
                    echo "FAIL: $file includes the project's <$included> in angle brackets"
                    failed=1
                fi
            elif [ "$folder" = "$included" ]; then
                # A bare name: fine for the engine's headers, not for the shooter's own.
                if compgen -G "$shooter/*/$included" >/dev/null; then
                    echo "FAIL: $file includes \"$included\" without its folder"
                    failed=1
                fi
            elif [ -d "$shooter/$folder" ] && [ "$(rank "$folder")" = -1 ]; then
                echo "FAIL: $file includes \"$included\" from $folder, which is not one of the layers"
                failed=1
            elif [ "$(rank "$folder")" -gt "$own_rank" ]; then
                echo "FAIL: $file ($own) includes \"$included\" from the higher layer $folder"
                failed=1
            fi
        # Each include as its opening delimiter and name ("name or <name), wherever the
        # directive sits on its line.
        done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*\([<"][^">]*\)[">].*/\1/p' "$file")
    done
done
exit $failed
