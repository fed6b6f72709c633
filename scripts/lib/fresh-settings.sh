# Sourced by every script that runs the game or its tests: a fresh, empty settings folder for
# this run. Nothing the user's own game remembers (Music On, full screen, the names) changes
# what the script sees or clicks, and nothing the script does is remembered by the user's game.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
