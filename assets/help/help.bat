@echo off
rem Opens the game's help page with the program Windows uses for web pages.
start "" "%~dp0help\index.html"
