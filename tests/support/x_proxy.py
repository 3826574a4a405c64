#!/usr/bin/python3
# An X display that passes a real one's answers on each SECONDS late, or the
# first BYTES of them and nothing after; on the first free display from ":128"
# (an abstract socket), whose number it prints.
#   x_proxy.py SERVER_NUMBER delay SECONDS | stop BYTES
import socket, sys, threading, time

server, mode, amount = sys.argv[1], sys.argv[2], float(sys.argv[3])
listener = socket.socket(socket.AF_UNIX)
for number in range(128, 256):
    try:
        listener.bind("\0/tmp/.X11-unix/X%d" % number)
        break
    except OSError:
        pass
listener.listen(8)
print(number, flush=True)

def pump(source, sink, late=0.0, left=1 << 62):
    while data := source.recv(65536):
        time.sleep(late)
        sink.sendall(data[: max(0, left)])
        left -= len(data)

while True:
    client, upstream = listener.accept()[0], socket.socket(socket.AF_UNIX)
    upstream.connect("/tmp/.X11-unix/X" + server)
    threading.Thread(target=pump, args=(client, upstream)).start()
    held = {"delay": {"late": amount}, "stop": {"left": int(amount)}}[mode]
    threading.Thread(target=pump, args=(upstream, client), kwargs=held).start()
