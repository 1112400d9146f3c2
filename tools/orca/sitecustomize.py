# Loaded by the Python of the Orca that tools/orca-check starts (this folder
# is on its PYTHONPATH, and on no one else's). Orca runs with speech off, yet
# still logs every utterance it builds to its "speech" log, and every line it
# puts on the braille display to its "braille" log (where messages such as the
# window's title go when speech is off). This writes both to the file named by
# ORCA_TRANSCRIPT, a line at a time, as they come.
import logging
import os
import sys
import threading
import time

_path = os.environ.get("ORCA_TRANSCRIPT")
if _path:
    _handler = logging.FileHandler(_path, encoding="utf-8")
    _handler.setFormatter(logging.Formatter("%(asctime)s.%(msecs)03d %(message)s", "%H:%M:%S"))
    _speech = logging.getLogger("speech")
    _speech.setLevel(logging.INFO)
    _speech.addHandler(_handler)
    # Each braille line is logged twice, whole and as far as the display
    # shows it: the whole line is enough.
    _braille = logging.getLogger("braille")
    _braille.setLevel(logging.INFO)
    _braille.addFilter(lambda record: record.getMessage().startswith("BRAILLE LINE"))
    _braille.addHandler(_handler)

# With --debug-file, Orca's own log is written in blocks and lost when Orca is
# killed: flush it twice a second.
if "--debug-file" in " ".join(sys.argv):

    def _flush_debug_file():
        while True:
            time.sleep(0.5)
            debug = sys.modules.get("orca.debug")
            try:
                if debug and debug.debugFile:
                    debug.debugFile.flush()
            except (AttributeError, OSError, ValueError):
                pass

    threading.Thread(target=_flush_debug_file, daemon=True).start()
