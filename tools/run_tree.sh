# Sourced by the scripts that run the real game outside the test suite.
# make_run_tree DIR: a fresh folder the game can run in, its data linked
# from this checkout; the caller writes DIR/game/game.ini.
make_run_tree() {
    local dir=$1 root
    root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
    rm -rf "$dir" && mkdir -p "$dir/game"
    ln -s "$root/rsrc" "$dir/rsrc"
    ln -s "$root/game/fighter" "$dir/game/fighter"
    ln -s "$root/tahoma.ttf" "$dir/tahoma.ttf"
}
