# The bare programs' first key, as teclora-setup.sh and tipp10-setup.sh type one before the figures.
xdotool key shift; sleep 0.3
