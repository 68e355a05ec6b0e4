/*
 * In-place text editing on the design surface. The editor is attached inline to the
 * element being edited; its "Submit" and "Cancel" buttons end the edit by asking the
 * program for http://submit/ (keep the text) or http://cancel/ (throw it away).
 */
CKEDITOR.editorConfig = function (config) {
	config.language = 'en';
	config.versionCheck = false;
	config.extraPlugins = 'quillora,font,colorbutton,justify,sourcedialog';
	config.removePlugins = 'exportpdf,easyimage,cloudservices,scayt,wsc';
	config.toolbar = [
		{ name: 'finish', items: [ 'Submit', 'Cancel' ] },
		{ name: 'history', items: [ 'Undo', 'Redo' ] },
		{ name: 'basicstyles', items: [ 'Bold', 'Italic', 'Underline', 'Strike', 'Subscript', 'Superscript', '-', 'RemoveFormat' ] },
		{ name: 'paragraph', items: [ 'NumberedList', 'BulletedList', '-', 'Outdent', 'Indent', '-', 'Blockquote', '-', 'JustifyLeft', 'JustifyCenter', 'JustifyRight', 'JustifyBlock' ] },
		'/',
		{ name: 'styles', items: [ 'Format', 'Font', 'FontSize' ] },
		{ name: 'colors', items: [ 'TextColor', 'BGColor' ] },
		{ name: 'links', items: [ 'Link', 'Unlink', 'Anchor' ] },
		{ name: 'insert', items: [ 'Image', 'Table', 'HorizontalRule', 'SpecialChar' ] },
		{ name: 'source', items: [ 'Sourcedialog' ] }
	];
	config.format_tags = 'p;h1;h2;h3;h4;pre';
	// Keep the markup the widgets write (classes, inline styles, aria attributes).
	config.allowedContent = true;
	config.entities = false;
	config.fontSize_sizes = '12/12px;14/14px;16/16px;18/18px;20/20px;24/24px;28/28px;32/32px;40/40px;48/48px;64/64px';
	// Fonts the site adds show first in the font list.
	if (typeof tessera !== 'undefined' && tessera.get_custom_font_list) {
		var siteFonts = tessera.get_custom_font_list() || '';
		config.font_names = siteFonts + config.font_names;
	}
};
