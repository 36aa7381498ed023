#!/usr/bin/env bash
# Checks that the shooter's folders are layers: every include of a shooter header names its
# folder, and no file includes from a layer above its own. The layers, lowest first, are the
# ones shooter/CMakeLists.txt lists.
#     include_layers.sh SHOOTER_DIR
set -u
shooter=$1
layers=(look world display combat game)
failed=0
rank() {
    local i
    for i in "${!layers[@]}"; do
        [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
}
for own in "${layers[@]}"; do
    own_rank=$(rank "$own")
    for file in "$shooter/$own"/*.h "$shooter/$own"/*.cpp; do
        [ -e "$file" ] || continue
        while IFS= read -r included; do
            folder=${included%%/*}
            if [ "$folder" = "$included" ]; then
                # A bare name: fine for the engine's headers, not for the shooter's own.
                if compgen -G "$shooter/*/$included" >/dev/null; then
                    echo "FAIL: $file includes \"$included\" without its folder"
                    failed=1
                fi
            elif [ "$(rank "$folder")" -gt "$own_rank" ]; then
                echo "FAIL: $file ($own) includes \"$included\" from the higher layer $folder"
                failed=1
            fi
        done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
    done
done
exit $failed
