# A first start tells the player under the level title how to enter the
# level, in the words of the device used last (a click, then the enter key's
# name once a key is pressed); once a level has been entered the line is gone
# for good, and a start with progress never shows it. The level title rises
# to make room for the line, so where the title stands tells whether it shows.
source "$(dirname "$0")/lib.sh"

# white_in <picture> <top> <bottom>: white pixels in the middle half of the
# width between two heights given in hundredths of the window.
white_in() {
    local w h
    w="$(identify -format %w "$1")" h="$(identify -format %h "$1")"
    convert "$1" -crop "$((w / 2))x$((h * ($3 - $2) / 100))+$((w / 4))+$((h * $2 / 100))" +repage \
        -colorspace gray -threshold 96% -format '%[fx:int(mean*w*h+0.5)]' info:
}
# The raised title's upper half, above where the title stands without a hint.
title_raised() { capture "$WORK/now.png" && (($(white_in "$WORK/now.png" 82 86) > 40)); }
title_lowered() {
    capture "$WORK/now.png"
    (($(white_in "$WORK/now.png" 82 86) <= 5 && $(white_in "$WORK/now.png" 89 93) > 40))
}

start_display
start_game
wait_until_running
focus_game
# The title sequence logs nothing when it ends: the raised level title shows it.
wait_for 180 "the level title raised over a hint" title_raised
cp "$WORK/now.png" "$WORK/mouse.png"
cp "$WORK/mouse.png" /tmp/coilwend-first-start-mouse.png

# A key press makes the keyboard the last device: the hint's words change.
press Shift_L
hint_changed() {
    capture "$WORK/keys.png"
    convert "$WORK/keys.png" -gravity south -crop 100%x6%+0+0 +repage "$WORK/keys_line.png"
    convert "$WORK/mouse.png" -gravity south -crop 100%x6%+0+0 +repage "$WORK/mouse_line.png"
    (($(differing_pixels "$WORK/keys_line.png" "$WORK/mouse_line.png") > 50))
}
wait_for 60 "the hint to name the enter key" hint_changed
cp "$WORK/keys.png" /tmp/coilwend-first-start-keys.png
title_raised || fail "the title came down without a level entered"
echo "ok: hints for the mouse and then the keyboard"

# Entered once, even left unsolved, and the hint never returns.
press_until_level Return
leave_to_map
wait_for 60 "the level title back in its place without a hint" title_lowered
cp "$WORK/now.png" /tmp/coilwend-first-start-after.png
stop_game

write_save "completed:38.rs" "selected:38.rs"
start_game
wait_until_running
focus_game
wait_for 120 "the overworld" map_ready
wait_for 60 "the level title in its place without a hint" title_lowered
stop_game
echo "PASS"
