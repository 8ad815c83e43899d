object Form2: TForm2
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'Инфо'
  ClientHeight = 499
  ClientWidth = 461
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Position = poMainFormCenter
  PixelsPerInch = 96
  TextHeight = 13
  object sPanel1: TPanel
    Left = 0
    Top = 0
    Width = 461
    Height = 499
    Align = alClient
    Caption = ''
    ShowCaption = False
    TabOrder = 0
    object sStickyLabel1: TLabel
      Left = 74
      Top = 16
      Width = 370
      Height = 255
      AutoSize = False
      Caption = 'Pellomir.'#13#10#13#10'Описание:'#13#10'Позволяет скачать с сайта список страниц из sitemap.xml.'#13#10 +
        'Делает запрос на сайт, сканирует карту сайта и забирает'#13#10'оттуда URLs. Сохраняет URL список в txt файл.'#13#10 +
        #13#10'Где можно использовать:'#13#10'Для скачивания сайтмэпов других сайтов себе. '#13#10 +
        'Можно как своих, так и чужих. При этом, она напрямую'#13#10 +
        'обращается к сайту и скачивает с него карту в виде URL '#13#10 +
        'без лищних значений и параметров. Если сайт большой, '#13#10'то попытка это же сделать оборачивается либо'#13#10 +
        ' подвисанием программы.'#13#10#13#10'Вам понравилась программа? Вы можете угостить автора '#13#10 +
        'чашечкой ароматного кофе.'
      Font.Charset = ANSI_CHARSET
      Font.Color = clWindowText
      Font.Height = -13
      Font.Name = 'NewSaturionCyr'
      Font.Style = []
      ParentFont = False
    end
    object sStickyLabel2: TLabel
      Left = 74
      Top = 385
      Width = 367
      Height = 30
      AutoSize = False
      Caption = 'Pellomir by Orvanta V1.0'#13#10'E-mail: info@orvanta.example.com'
      Font.Charset = ANSI_CHARSET
      Font.Color = clWindowText
      Font.Height = -13
      Font.Name = 'NewSaturionCyr'
      Font.Style = []
      ParentFont = False
    end
    object sImage1: TImage
      Left = 8
      Top = 16
      Width = 50
      Height = 50
      Cursor = crHandPoint
      Picture.Data = {@MakerLogo.png@}
      Proportional = True
      Stretch = True
      Transparent = True
      OnClick = sImage1Click
    end
    object sImage2: TImage
      Left = 98
      Top = 297
      Width = 73
      Height = 73
      Cursor = crHandPoint
      Picture.Data = {@PayServiceOne.png@}
      Proportional = True
      Stretch = True
      Transparent = True
      OnClick = sImage2Click
    end
    object sImage3: TImage
      Left = 208
      Top = 337
      Width = 130
      Height = 33
      Cursor = crHandPoint
      Picture.Data = {@PayServiceTwo.png@}
      Stretch = True
      Transparent = True
      OnClick = sImage3Click
    end
    object sImage4: TImage
      Left = 272
      Top = 260
      Width = 57
      Height = 53
      Picture.Data = {@CoffeeCup.png@}
      Proportional = True
      Stretch = True
      Transparent = True
    end
    object sBitBtn1: TBitBtn
      Left = 184
      Top = 440
      Width = 89
      Height = 32
      Kind = bkClose
      NumGlyphs = 2
      TabOrder = 0
    end
  end
end
