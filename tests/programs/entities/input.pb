s = "&lt;b&gt; &amp;amp; caf&eacute;"
t = "&#65;&#66;" + "&#65;"
