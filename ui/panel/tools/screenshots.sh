#!/bin/sh
# Screenshots of the display panel for several modes, and of the menus, under a virtual X server.
# Usage: screenshots.sh <build dir> [output dir]
set -eu
bin="$1/bin/panel-preview"
out="${2:-$1/screenshots}"
mkdir -p "$out"

shot() {  # name, then the preview's arguments
    name="$1"
    shift
    xvfb-run -a -s "-screen 0 1280x1024x24" sh -c "
        \"$bin\" $* &
        pid=\$!
        sleep 2
        import -window root -crop 720x560+0+0 \"$out/$name.png\"
        kill \$pid"
    echo "$out/$name.png"
}

shot idle 1 0
shot mode1-re 1 1
shot mode1-rk 1 2
shot mode3-clamp 3 1
shot mode5-2clamp 5 1
shot mode6-rac 6 1
shot mode7-r1 7 1
shot mode9-rho 9 1
shot mode9-afe 9 2
shot mode10-iac 10 1
shot mode1-jamming-voltage 1 5
shot menu-file 1 1 "'File (F)'"
shot menu-erase 1 1 "'Mount(M)'" "'Erase    (D)'"
