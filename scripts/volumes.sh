# Sourced by the test script: two small volumes of their own for the tests of moves across volumes
# and of a full disk, handed to the tests as Windows paths through Wine's drive for the root. Without
# the right to mount, the tests that need them are skipped.
start_volumes() {
  volumes_root="$1"
  local name
  for name in other:16m full:256k; do
    local dir="$volumes_root/${name%%:*}"
    mkdir -p "$dir"
    mountpoint -q "$dir" || mount -t tmpfs -o "size=${name##*:}" tmpfs "$dir" 2>/dev/null || {
      echo "note: cannot mount a small volume at $dir; the tests that need one are skipped" >&2
      continue
    }
    export "TALLOWMERE_$(echo "${name%%:*}" | tr a-z A-Z)_VOLUME=Z:$(echo "$dir" | tr / '\\')\\"
  done
}

stop_volumes() {
  local dir
  for dir in "${volumes_root:-/nonexistent}"/other "${volumes_root:-/nonexistent}"/full; do
    mountpoint -q "$dir" 2>/dev/null && umount "$dir" 2>/dev/null || true
  done
}
