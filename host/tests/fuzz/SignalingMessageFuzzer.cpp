  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
C  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
T  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
0  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
1  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
E  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
J  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
O  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
N  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
#  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
#  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
#  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
#  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
#  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
#  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
#  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
#  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
#  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
j  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
#  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
#  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
#  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
M  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
H  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
M  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
H  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
P  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
!  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
P  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
P  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
P  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
6  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
4  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
6  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
4  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
A  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
6  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
4  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
T  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
j  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
j  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
j  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
j  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
j  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
!  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
j  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
-  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
T  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
-  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
1  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
j  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
C  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
L  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
L  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
V  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
M  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
F  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
*  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
*  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
*  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
*  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
L  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
j  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
P  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
H  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
-  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
0  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
C  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
L  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
L  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
V  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
M  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
F  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
T  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
O  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
8  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
*  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
*  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
0  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
8  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
'  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
\  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
1  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
'  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
?  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
-  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
+  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
1  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
M  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
H  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
C  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
6  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
4  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
0  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
6  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
4  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
0  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
8  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
1  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
T  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
C  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
[  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
]  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
C  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
L  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
[  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
]  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
T  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
U  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
T  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
F  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
-  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
8  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
W  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
3  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
2  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
T  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
T  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
-  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
1  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
W  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
[  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
]  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
3  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
2  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
C  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
%  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
3  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
1  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
L  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
0  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
1  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
+  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
+  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
[  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
]  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
8  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
C  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
C  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
[  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
]  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
C  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
v  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
C  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
H  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
!  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
[  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
]  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
3  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
2  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
3  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
2  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
3  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
2  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
C  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
%  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
3  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
0  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
[  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
]  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
8  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
C  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
E  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
[  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
]  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
C  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
P  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
1  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
2  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
7  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
0  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
0  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
1  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
1  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
P  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
1  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
"  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
2  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
0  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
+  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
+  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
%  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
2  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
0  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
?  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
-  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
I  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
T  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
[  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
]  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
-  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
M  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
[  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
]  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
[  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
]  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
-  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
-  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
1  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
/  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
A  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
w  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
B  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
-  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
+  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
-  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
M  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
m  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
[  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
]  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
P  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
-  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
+  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
-  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
B  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
-  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
&  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
-  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
k  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
R  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
y  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
x  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
P  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
*  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
P  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
*  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
S  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
P  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
*  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
{  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
h  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
l  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
E  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
<  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
8  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
_  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
>  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
b  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
g  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
,  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
z  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
f  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
:  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
s  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
q  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
a  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
p  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
.  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
c  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
o  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
(  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
i  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
d  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
=  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
1  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
)  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
e  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
t  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
u  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
r  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
n  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
   for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
0  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
;  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
}  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended);
  }
