#!/usr/bin/python3
"""Listens on the accessibility bus as a screen reader does (focus, names, texts, states,
children), so the program's bridge sends what it would send to one. Ends when terminated."""
import pyatspi


def heard(event):
    # A screen reader reads the source of every event it hears.
    try:
        event.source.name
    except Exception:
        pass


pyatspi.Registry.registerEventListener(
    heard, "focus:", "object:state-changed", "object:property-change:accessible-name",
    "object:text-changed", "object:children-changed", "window:activate")
pyatspi.Registry.start()
