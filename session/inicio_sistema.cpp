// Start-up (being written).
