// Replaces a video's play card by the player of its service, so the service is
// contacted only once the visitor asks for the video.
function quilloraPlayVideo(card) {
  var provider = card.getAttribute('data-provider');
  var id = encodeURIComponent(card.getAttribute('data-video'));
  var frame = document.createElement('iframe');
  frame.src = provider === 'vimeo'
    ? 'https://player.vimeo.com/video/' + id + '?autoplay=1'
    : 'https://www.youtube-nocookie.com/embed/' + id + '?autoplay=1&rel=0';
  frame.title = card.getAttribute('data-title') || 'Video';
  frame.setAttribute('allow', 'autoplay; encrypted-media; picture-in-picture; fullscreen');
  frame.setAttribute('allowfullscreen', 'allowfullscreen');
  card.innerHTML = '';
  card.appendChild(frame);
  frame.focus();
}
