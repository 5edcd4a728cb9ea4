"""A call with an argument of the wrong kind says so in the program's own
words: what the function takes and what it was given, instead of the
binding library's list of C++ signatures."""

import functools

USAGE = {
    "run": "takes a ventora.Job, then by name spread (True or False)",
    "check": "takes a ventora.Job",
    "sweep": "takes a ventora.Job and a step in degrees (a number), then by name spread (True or "
             "False)",
    "compare": "takes a ventora.Job and a step in whole degrees",
    "sweep_many": "takes a list of ventora.Job objects or job file paths and a step in degrees "
                  "(a number)",
    "export": "takes a ventora.Job, then by name format (text), path (a path), step and "
              "boundary_layer (numbers or None) and strict (True or False)",
    "Job.read": "takes a job file's path and damaged_header (None or \"zeros\")",
    "Job.write": "takes a path to write the job to",
}


def plain(function, name):
    """`function` raising USAGE[name]'s TypeError for arguments it cannot take."""
    @functools.wraps(function)
    def call(*args, **kwargs):
        try:
            return function(*args, **kwargs)
        except TypeError as e:
            if "incompatible function arguments" not in str(e):
                raise
            given = ", ".join([repr(a) for a in args] + [f"{k}={v!r}" for k, v in kwargs.items()])
            raise TypeError(f"{name}() {USAGE[name]}, not ({given})") from None
    return call
