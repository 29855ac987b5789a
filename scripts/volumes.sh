# Sourced by the test script: small volumes of their own for the tests of moves across volumes, of a
# full disk and of a volume that refuses every change, handed to the tests as Windows paths through
# Wine's drive for the root. Without the right to mount, the tests that need them are skipped.
start_volumes() {
  volumes_root="$1"
  local name
  for name in other:16m full:256k readonly:64k; do
    local dir="$volumes_root/${name%%:*}"
    mkdir -p "$dir"
    mountpoint -q "$dir" || mount -t tmpfs -o "size=${name##*:}" tmpfs "$dir" 2>/dev/null || {
      echo "note: cannot mount a small volume at $dir; the tests that need one are skipped" >&2
      continue
    }
    # The read-only volume holds one song of each kind that the moving commands take.
    if [ "${name%%:*}" = readonly ] && ! grep -q " $dir tmpfs ro," /proc/mounts; then
      printf R > "$dir/song.mp3"; printf N > "$dir/song#1.mp3"; printf U > "$dir/@song.mp3"
      mount -o remount,ro "$dir" || continue
    fi
    export "TALLOWMERE_$(echo "${name%%:*}" | tr a-z A-Z)_VOLUME=Z:$(echo "$dir" | tr / '\\')\\"
  done
}

stop_volumes() {
  local dir
  for dir in "${volumes_root:-/nonexistent}"/other "${volumes_root:-/nonexistent}"/full \
             "${volumes_root:-/nonexistent}"/readonly; do
    mountpoint -q "$dir" 2>/dev/null && umount "$dir" 2>/dev/null || true
  done
}
