# free_ports N: prints N different TCP ports nobody listens on now. All are held open together
# while they are picked, so none repeats (separate picks do now and then).
free_ports() {
  python3 -c '
import socket, sys
held = [socket.socket() for _ in range(int(sys.argv[1]))]
for s in held: s.bind(("127.0.0.1", 0))
print(" ".join(str(s.getsockname()[1]) for s in held))' "$1"
}
