# A key before the figures, as TIPP10's setup starts its lesson with a space: a Shift, which
# Teclora's drill ignores. What a program's first key costs once (the X server switching to the
# XTest keyboard, after which Qt reads the keymap again, and the input method's set-up) falls here.
# Teclora's setup ends with it; the bare programs have it as their whole setup.
xdotool key shift; sleep 0.3
