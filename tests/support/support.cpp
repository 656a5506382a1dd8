// Shared helpers for the game tests live in this folder.
