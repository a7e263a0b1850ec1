// Placeholder unit for a subsystem library that has no sources of its own yet.
