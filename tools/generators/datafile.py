"""Helpers shared by the data generators: writing an output only when its bytes change.

A generator that rewrites an identical file would make every later build step that depends
on it run again; writing through `write_if_changed` keeps the file's time stamp, so the build
tool (which re-checks outputs after a command) stops there.
"""
import os
import sys
import tempfile


def write_if_changed(path, data):
    """Writes `data` (bytes) to `path` unless the file already holds exactly these bytes.

    The new content goes to a temporary file in the same folder first and is renamed over the
    old one, so an interrupted build never leaves a half-written data file behind.
    Returns True when the file was written."""
    try:
        with open(path, "rb") as existing:
            if existing.read() == data:
                return False
    except FileNotFoundError:
        pass
    folder = os.path.dirname(os.path.abspath(path))
    os.makedirs(folder, exist_ok=True)
    fd, tmp = tempfile.mkstemp(dir=folder, prefix=".tmp-")
    try:
        with os.fdopen(fd, "wb") as out:
            out.write(data)
        os.chmod(tmp, 0o644)
        os.replace(tmp, path)
    except BaseException:
        os.unlink(tmp)
        raise
    return True


def fail(program, message):
    """Prints `program: message` to standard error and ends with status 1."""
    print(f"{program}: {message}", file=sys.stderr)
    sys.exit(1)
