"""A sound server that hangs: it accepts every connection on a unix socket and never answers.

    hung_sound_server.py <socket path>

Prints "listening" once the socket is ready and "connected" for every client, then runs until
it is killed.
"""
import socket
import sys

server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind(sys.argv[1])
server.listen(16)
print("listening", flush=True)
held = []  # kept open, so the clients wait for an answer instead of seeing a closed socket
while True:
    connection, _ = server.accept()
    held.append(connection)
    print("connected", flush=True)
