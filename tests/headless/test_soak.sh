# A minute of random real input against the game, restarted on the same
# folder half-way: no fault, well-formed files, flat memory (soak.sh has the
# details; tools/soak.sh runs the same for an hour).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/soak.sh"

soak
echo "PASS"
