object GroupBox20: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Planar Inductors Calculator '
  object Label954: TLabel
    Left = 16
    Top = 27
    Width = 62
    Height = 15
    Caption = 'Turns (n)'
  end
  object Edit88: TEdit
    OnKeyDown = Edit88KeyDown
    OnKeyPress = Edit88KeyPress
    Left = 168
    Top = 24
    Width = 96
    Height = 22
    Text = '5'
    Hint = 'Enter the number of turns that comprise the planar inductor.'
    MaxLength = 8
    TabOrder = 0
  end
  object Label955: TLabel
    Left = 16
    Top = 55
    Width = 134
    Height = 15
    Caption = 'Conductor Width (w)'
  end
  object Edit89: TEdit
    OnKeyDown = Edit89KeyDown
    OnKeyPress = Edit89KeyPress
    Left = 168
    Top = 52
    Width = 96
    Height = 22
    Text = '10'
    Hint = 'Enter the conductor width of the planar inductor.'
    MaxLength = 8
    TabOrder = 1
  end
  object Edit96: TEdit
    Left = 268
    Top = 52
    Width = 48
    Height = 22
    Text = 'mils'
    ReadOnly = True
    TabStop = False
  end
  object Label956: TLabel
    Left = 16
    Top = 83
    Width = 142
    Height = 15
    Caption = 'Conductor Spacing (s)'
  end
  object Edit91: TEdit
    OnKeyDown = Edit91KeyDown
    OnKeyPress = Edit91KeyPress
    Left = 168
    Top = 80
    Width = 96
    Height = 22
    Text = '10'
    Hint = 'Enter the conductor spacing within the planar inductor.'
    MaxLength = 8
    TabOrder = 2
  end
  object Edit97: TEdit
    Left = 268
    Top = 80
    Width = 48
    Height = 22
    Text = 'mils'
    ReadOnly = True
    TabStop = False
  end
  object Label957: TLabel
    Left = 16
    Top = 111
    Width = 144
    Height = 15
    Caption = 'Outer Diameter (dout)'
  end
  object Edit92: TEdit
    OnKeyDown = Edit92KeyDown
    OnKeyPress = Edit92KeyPress
    Left = 168
    Top = 108
    Width = 96
    Height = 22
    Text = '350'
    Hint = 'Enter the outer diameter of the planar inductor.'
    MaxLength = 8
    TabOrder = 3
  end
  object Edit98: TEdit
    Left = 268
    Top = 108
    Width = 48
    Height = 22
    Text = 'mils'
    ReadOnly = True
    TabStop = False
  end
  object Label958: TLabel
    Left = 16
    Top = 151
    Width = 100
    Height = 15
    Caption = 'Inner Diameter'
  end
  object Edit94: TEdit
    Left = 168
    Top = 148
    Width = 110
    Height = 22
    Text = ''
    Hint = 'Calculated inner diameter of the planar inductor.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 4
  end
  object Edit101: TEdit
    Left = 282
    Top = 148
    Width = 48
    Height = 22
    Text = 'mils'
    ReadOnly = True
    TabStop = False
  end
  object Label959: TLabel
    Left = 16
    Top = 179
    Width = 66
    Height = 15
    Caption = 'Fill Factor'
  end
  object Edit93: TEdit
    Left = 168
    Top = 176
    Width = 110
    Height = 22
    Text = ''
    Hint = 'Calculated fill factor of the planar inductor.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 5
  end
  object Edit100: TEdit
    Left = 282
    Top = 176
    Width = 48
    Height = 22
    Text = 'mils'
    ReadOnly = True
    TabStop = False
  end
  object Label960: TLabel
    Left = 16
    Top = 207
    Width = 76
    Height = 15
    Caption = 'Inductance'
  end
  object Edit90: TEdit
    Left = 168
    Top = 204
    Width = 110
    Height = 22
    Text = ''
    Hint = 'Calculated inductance of the planar inductor.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 6
  end
  // unit of Edit90
  object Edit944: TEdit
    Left = 282
    Top = 204
    Width = 48
    Height = 22
    Text = 'nH'
    ReadOnly = True
    TabStop = False
  end
  object Image13: TImage
    Left = 384
    Top = 24
    Width = 320
    Height = 320
    Picture = 'circ_inductor_square'
    Stretch = True
    Proportional = True
  end
  object Image33: TImage
    Left = 384
    Top = 24
    Width = 320
    Height = 320
    Picture = 'circ_inductor_hexagonal'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image34: TImage
    Left = 384
    Top = 24
    Width = 320
    Height = 320
    Picture = 'circ_inductor_octagonal'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image35: TImage
    Left = 384
    Top = 24
    Width = 320
    Height = 320
    Picture = 'circ_inductor_circular'
    Stretch = True
    Proportional = True
    Visible = False
  end
  // link to the planar-inductance reference
  object Button15: TButton
    Left = 584
    Top = 508
    Width = 125
    Height = 28
    Caption = 'Planar Inductances'
    Hint = 'Click for internet resource.'
    TabOrder = 40
    OnClick = Button15Click
  end
end
