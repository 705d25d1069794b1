// Generated table goes here.
